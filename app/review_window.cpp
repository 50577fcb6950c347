#include "review_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int RowRole = Qt::UserRole;
constexpr int KeyRole = Qt::UserRole + 1;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Sorted by the number the core gives each cell, not by its text.
class KeyedItem : public QTableWidgetItem {
public:
    KeyedItem(const QString& text, int key) : QTableWidgetItem(text) { setData(KeyRole, key); }
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant a = data(KeyRole), b = other.data(KeyRole);
        if (a.isValid() && b.isValid() && a.toInt() != b.toInt()) return a.toInt() < b.toInt();
        return text() < other.text();
    }
};

// The points through the shift: the player's in blue, the signalman's in grey.
class PointsChart : public QWidget {
public:
    PointsChart(const kv41::Debrief& mine, const kv41::Debrief& his, QWidget* parent)
        : QWidget(parent),
          mine_(mine.Curve),
          his_(his.Curve),
          start_(mine.ShiftStart),
          end_(mine.ShiftEnd) {
        setMinimumHeight(180);
        for (const auto* curve : {&mine_, &his_}) {
            for (const kv41::CurvePoint& p : *curve) {
                low_ = std::min(low_, p.Points);
                high_ = std::max(high_, p.Points);
            }
        }
        high_ = std::max(high_, mine.Target);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        const QRect area = rect().adjusted(48, 24, -16, -28);
        p.setPen(Qt::black);
        p.drawRect(area);
        const int span = std::max(1, end_ - start_);
        const int range = std::max(1, high_ - low_);
        auto at = [&](int time, int points) {
            const double x = area.left() + double(time - start_) * area.width() / span;
            const double y = area.bottom() - double(points - low_) * area.height() / range;
            return QPointF(x, y);
        };
        p.setPen(QColor(160, 160, 160));
        p.drawLine(at(start_, 0), at(end_, 0));
        p.setPen(Qt::black);
        for (int hour = (start_ + 59) / 60 * 60; hour <= end_; hour += 60) {
            const QPointF tick = at(hour, low_);
            p.drawLine(tick, tick + QPointF(0, 4));
            p.drawText(QRectF(tick.x() - 20, tick.y() + 4, 40, 16), Qt::AlignCenter,
                       Text(kv41::ClockText(hour)));
        }
        p.drawText(QRectF(0, area.top() - 8, 44, 16), Qt::AlignRight, QString::number(high_));
        p.drawText(QRectF(0, area.bottom() - 8, 44, 16), Qt::AlignRight, QString::number(low_));
        Draw(p, his_, QColor(128, 128, 128), at);
        Draw(p, mine_, QColor(0, 64, 200), at);
        p.setPen(QColor(0, 64, 200));
        p.drawText(area.left() + 8, 16, kv41::ReviewWindow::YourCurve);
        if (!his_.empty()) {
            p.setPen(QColor(128, 128, 128));
            p.drawText(area.left() + 160, 16, kv41::ReviewWindow::SignalmansCurve);
        }
    }

private:
    template <typename At>
    static void Draw(QPainter& p, const std::vector<kv41::CurvePoint>& curve, const QColor& colour,
                     At at) {
        if (curve.empty()) return;
        QPen pen(colour);
        pen.setWidth(2);
        p.setPen(pen);
        QPointF last = at(curve.front().Time, curve.front().Points);
        for (const kv41::CurvePoint& point : curve) {
            // Points change by steps: along at the old total, then up or down.
            const QPointF along = at(point.Time, 0);
            const QPointF level(along.x(), last.y());
            const QPointF next = at(point.Time, point.Points);
            p.drawLine(last, level);
            p.drawLine(level, next);
            last = next;
        }
    }

    std::vector<kv41::CurvePoint> mine_, his_;
    int start_, end_;
    int low_ = 0, high_ = 0;
};

QTableWidget* Table(const std::vector<std::string>& columns,
                    const std::vector<kv41::ReviewRow>& rows, QWidget* parent) {
    auto* table =
        new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(columns.size()), parent);
    QStringList heads;
    for (const std::string& column : columns) heads << Text(column);
    table->setHorizontalHeaderLabels(heads);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const kv41::ReviewRow& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(row.Cells.size()); ++c) {
            const int key = c < static_cast<int>(row.SortKeys.size())
                                ? row.SortKeys[static_cast<std::size_t>(c)]
                                : 0;
            auto* item = new KeyedItem(Text(row.Cells[static_cast<std::size_t>(c)]), key);
            item->setData(RowRole, r);
            table->setItem(r, c, item);
        }
    }
    table->setSortingEnabled(true);
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

}  // namespace

ReviewWindow::ReviewWindow(const kv41::Debrief& debrief, const kv41::Debrief& signalman,
                           const kv41::ReviewTables& tables, std::function<void(int)> showHelp,
                           QWidget* parent)
    : QDialog(parent), tables_(tables) {
    setWindowTitle(kv41::ReviewWindow::Caption);
    resize(980, 720);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Text(tables_.Heading), this));
    layout->addWidget(new PointsChart(debrief, signalman, this));
    layout->addWidget(new QLabel(kv41::ReviewWindow::EventsTitle, this));
    events_ = Table(tables_.EventColumns, tables_.Events, this);
    events_->setObjectName("events");
    layout->addWidget(events_, 3);
    layout->addWidget(new QLabel(kv41::ReviewWindow::DelaysTitle, this));
    delays_ = Table(tables_.DelayColumns, tables_.Delays, this);
    delays_->setObjectName("delays");
    layout->addWidget(delays_, 2);
    QString totals;
    for (const std::string& line : tables_.Totals) totals += Text(line) + "\n";
    for (const std::string& line : tables_.Signalman) totals += Text(line) + "\n";
    auto* totalsLabel = new QLabel(totals.trimmed(), this);
    totalsLabel->setWordWrap(true);
    layout->addWidget(totalsLabel);

    auto* buttons = new QHBoxLayout;
    auto* again = new QPushButton(kv41::ReviewWindow::PlayAgain, this);
    auto* rule = new QPushButton(kv41::ReviewWindow::RuleHelp, this);
    auto* close = new QPushButton(kv41::ReviewWindow::Close, this);
    buttons->addWidget(again);
    buttons->addWidget(rule);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    again->setEnabled(false);
    rule->setEnabled(false);
    for (QTableWidget* table : {events_, delays_}) {
        connect(table, &QTableWidget::itemSelectionChanged, this, [this, table, again, rule] {
            lastFocus_ = table;
            QTableWidget* other = table == events_ ? delays_ : events_;
            if (!table->selectedItems().isEmpty()) {
                other->blockSignals(true);
                other->clearSelection();
                other->blockSignals(false);
            }
            const kv41::ReviewRow* row = SelectedRow();
            again->setEnabled(row != nullptr);
            rule->setEnabled(row != nullptr && row->Topic != 0);
        });
        connect(table, &QTableWidget::cellDoubleClicked, this, [this, showHelp] {
            if (const kv41::ReviewRow* row = SelectedRow(); row && row->Topic) showHelp(row->Topic);
        });
    }
    connect(rule, &QPushButton::clicked, this, [this, showHelp] {
        if (const kv41::ReviewRow* row = SelectedRow(); row && row->Topic) showHelp(row->Topic);
    });
    connect(again, &QPushButton::clicked, this, [this] {
        if (const kv41::ReviewRow* row = SelectedRow()) {
            chosen_ = row->Minute;
            accept();
        }
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

const kv41::ReviewRow* ReviewWindow::SelectedRow() const {
    if (!lastFocus_) return nullptr;
    const QList<QTableWidgetItem*> items = lastFocus_->selectedItems();
    if (items.isEmpty()) return nullptr;
    const int index = items.front()->data(RowRole).toInt();
    const auto& rows = lastFocus_ == events_ ? tables_.Events : tables_.Delays;
    if (index < 0 || index >= static_cast<int>(rows.size())) return nullptr;
    return &rows[static_cast<std::size_t>(index)];
}
