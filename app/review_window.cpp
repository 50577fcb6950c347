#include "review_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

namespace {

constexpr int RowRole = Qt::UserRole;
const QColor YourColour(0, 64, 200);
const QColor SignalmansColour(185, 185, 185);

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The points through the shift on the model's scale: the player's in blue over the signalman's
// in grey, the target dashed.
class PointsChart : public QWidget {
public:
    PointsChart(const kv41::ReviewChart& chart, QWidget* parent) : QWidget(parent), chart_(chart) {
        setMinimumHeight(190);
        setAccessibleName("Points through the shift");
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), Qt::white);
        const QRect area = rect().adjusted(52, 28, -16, -28);
        p.setPen(Qt::black);
        p.drawRect(area);
        const double span = std::max(1, chart_.End - chart_.Start);
        const double range = std::max(1, chart_.High - chart_.Low);
        const auto at = [&](int time, int points) {
            return QPointF(area.left() + (time - chart_.Start) * area.width() / span,
                           area.bottom() - (points - chart_.Low) * area.height() / range);
        };
        p.setPen(QPen(QColor(190, 190, 190), 1));
        p.drawLine(at(chart_.Start, 0), at(chart_.End, 0));
        p.setPen(QPen(QColor(0, 140, 0), 1, Qt::DashLine));
        p.drawLine(at(chart_.Start, chart_.Target), at(chart_.End, chart_.Target));
        p.setPen(Qt::black);
        for (int hour : chart_.Hours) {
            const QPointF tick = at(hour, chart_.Low);
            p.drawLine(tick, tick + QPointF(0, 4));
            p.drawText(QRectF(tick.x() - 24, tick.y() + 5, 48, 16), Qt::AlignCenter,
                       Text(kv41::ClockText(hour)));
        }
        for (int points : {chart_.Low, 0, chart_.Target, chart_.High}) {
            const QPointF mark = at(chart_.Start, points);
            p.drawText(QRectF(0, mark.y() - 8, 46, 16), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(points));
        }
        // His line is the wider, under the player's: where they agree, both show.
        Draw(p, chart_.Signalmans, SignalmansColour, 5, at);
        Draw(p, chart_.Yours, YourColour, 2, at);
        const QFontMetrics metrics(font());
        int x = area.left() + 8;
        for (const auto& [name, colour, shown] :
             {std::tuple{kv41::ReviewWindow::YourCurve, YourColour, true},
              {kv41::ReviewWindow::SignalmansCurve, SignalmansColour,
               !chart_.Signalmans.empty()}}) {
            if (!shown) continue;
            p.fillRect(x, 10, 18, 4, colour);
            p.setPen(Qt::black);
            p.drawText(x + 24, 17, name);
            x += 24 + metrics.horizontalAdvance(name) + 24;
        }
    }

private:
    template <typename At>
    static void Draw(QPainter& p, const std::vector<kv41::CurvePoint>& curve, const QColor& colour,
                     int width, At at) {
        if (curve.empty()) return;
        p.setPen(QPen(colour, width));
        QPointF last = at(curve.front().Time, curve.front().Points);
        for (const kv41::CurvePoint& point : curve) {
            // Points change in steps: along at the old total, then up or down.
            const QPointF next = at(point.Time, point.Points);
            const QPointF level(next.x(), last.y());
            p.drawLine(last, level);
            p.drawLine(level, next);
            last = next;
        }
    }

    kv41::ReviewChart chart_;
};

QTableWidget* Table(const std::vector<std::string>& columns, const char* name, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    table->setObjectName(name);
    table->setAccessibleName(name);
    QStringList heads;
    for (const std::string& column : columns) heads << Text(column);
    table->setHorizontalHeaderLabels(heads);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSortIndicatorShown(true);
    table->horizontalHeader()->setSectionsClickable(true);
    return table;
}

}  // namespace

ReviewWindow::ReviewWindow(const kv41::ReviewModel& model, std::function<void(int)> showHelp,
                           QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(kv41::ReviewWindow::Caption);
    resize(1000, 740);
    const kv41::ReviewTables& tables = model_.Tables;
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(Text(tables.Heading), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    layout->addWidget(new PointsChart(model_.Chart, this), 2);
    layout->addWidget(new QLabel(kv41::ReviewWindow::EventsTitle, this));
    events_ = Table(tables.EventColumns, "events", this);
    layout->addWidget(events_, 3);
    layout->addWidget(new QLabel(kv41::ReviewWindow::DelaysTitle, this));
    delays_ = Table(tables.DelayColumns, "delays", this);
    layout->addWidget(delays_, 2);
    QString totals;
    for (const std::string& line : tables.Totals) totals += Text(line) + "\n";
    for (const std::string& line : tables.Signalman) totals += Text(line) + "\n";
    auto* totalsLabel = new QLabel(totals.trimmed(), this);
    totalsLabel->setWordWrap(true);
    totalsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
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
    close->setDefault(true);

    Fill(events_, tables.Events, 0, true);
    Fill(delays_, tables.Delays, 0, true);
    // The keys go to the gains and losses first: Down chooses the first of them.
    events_->setFocus();
    for (QTableWidget* table : {events_, delays_}) {
        const auto* rows = table == events_ ? &model_.Tables.Events : &model_.Tables.Delays;
        // The core orders the rows, so that every front end sorts alike.
        connect(table->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
                [this, table, rows](int column, Qt::SortOrder order) {
                    Fill(table, *rows, column, order == Qt::AscendingOrder);
                });
        connect(table, &QTableWidget::itemSelectionChanged, this, [this, table, again, rule] {
            if (!table->selectedItems().isEmpty()) {
                chosenTable_ = table;
                QTableWidget* other = table == events_ ? delays_ : events_;
                const QSignalBlocker quiet(other);
                other->clearSelection();
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

void ReviewWindow::Fill(QTableWidget* table, const std::vector<kv41::ReviewRow>& rows, int column,
                        bool ascending) {
    const QSignalBlocker quiet(table);
    table->clearContents();
    table->setRowCount(static_cast<int>(rows.size()));
    int r = 0;
    for (std::size_t index : kv41::SortedRows(rows, column, ascending)) {
        const kv41::ReviewRow& row = rows[index];
        for (std::size_t c = 0; c < row.Cells.size(); ++c) {
            auto* item = new QTableWidgetItem(Text(row.Cells[c]));
            item->setData(RowRole, static_cast<int>(index));
            if (row.Topic != 0) item->setToolTip(QString(kv41::ReviewWindow::RuleHelp).remove('&'));
            table->setItem(r, static_cast<int>(c), item);
        }
        ++r;
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    if (table == chosenTable_) chosenTable_ = nullptr;
}

const kv41::ReviewRow* ReviewWindow::SelectedRow() const {
    if (!chosenTable_) return nullptr;
    const QList<QTableWidgetItem*> items = chosenTable_->selectedItems();
    if (items.isEmpty()) return nullptr;
    const int index = items.front()->data(RowRole).toInt();
    const auto& rows = chosenTable_ == events_ ? model_.Tables.Events : model_.Tables.Delays;
    if (index < 0 || index >= static_cast<int>(rows.size())) return nullptr;
    return &rows[static_cast<std::size_t>(index)];
}

std::optional<int> ShowReviewWindow(const kv41::ReviewModel& model,
                                    std::function<void(int)> showHelp, QWidget* parent) {
    ReviewWindow window(model, std::move(showHelp), parent);
    window.setWindowModality(Qt::WindowModal);
    window.exec();
    return window.ChosenMinute();
}
