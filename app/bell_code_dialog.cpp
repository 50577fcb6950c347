#include "bell_code_dialog.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "frontend/screen_fit.h"
#include "help_topic.h"
#include "panel_font.h"

namespace {

// The dialog's own margins around the cells, in pixels.
constexpr int Left = 10;
constexpr int Top = 5;
constexpr int RightMargin = 15;
constexpr int BottomMargin = 10;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

BellCodeDialog::BellCodeDialog(const kv41::BellListWindow& model, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Text(model.Caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SetHelpTopic(this, model.HelpTopic);
    const QFont plain = TypewriterFont(model.FontSize);
    const QFontMetrics metrics(plain);
    const int w = metrics.horizontalAdvance('W');
    const int h = metrics.height() + 1;

    auto* head = new QLabel(Text(model.Heading), this);
    head->setFont(TypewriterFont(model.FontSize, true));
    head->move(Left, Top);
    head->adjustSize();

    list_ = new QListWidget(this);
    list_->setFont(plain);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const std::string& line : model.Lines) list_->addItem(Text(line));
    // Tall enough for every code without scrolling.
    const int row = std::max(h, list_->sizeHintForRow(0));
    const int listTop = Top + (3 * h + 3) / 2;
    const int listHeight = row * static_cast<int>(model.Lines.size()) + 2 * list_->frameWidth();
    list_->setGeometry(Left, listTop, model.Columns * w, listHeight);
    list_->setCurrentRow(model.Chosen);

    auto* footnote = new QLabel(Text(model.Footnote), this);
    footnote->setFont(plain);
    const int footnoteTop = listTop + listHeight + h;
    footnote->setGeometry(Left + model.FootnoteColumn * w, footnoteTop,
                          static_cast<int>(model.Footnote.size() + 5) * w, h);

    const int buttonTop = footnoteTop + (3 * h + 3) / 2;
    const int centre = Left + model.CentreColumn * w;
    const int buttonWidth = model.ButtonColumns * w;
    auto* cancel = new QPushButton(Text(model.Cancel), this);
    auto* ok = new QPushButton(Text(model.Ok), this);
    cancel->setGeometry(centre - model.ButtonGapColumns * w - buttonWidth, buttonTop, buttonWidth,
                        model.ButtonRows * h);
    ok->setGeometry(centre + model.ButtonGapColumns * w, buttonTop, buttonWidth,
                    model.ButtonRows * h);
    ok->setDefault(true);
    setFixedSize(model.Columns * w + Left + RightMargin,
                 buttonTop + model.ButtonRows * h + BottomMargin);

    auto finish = [this](std::optional<int> code) {
        chosen_ = code;
        if (code)
            accept();
        else
            reject();
    };
    connect(ok, &QPushButton::clicked, this, [this, finish] { finish(list_->currentRow()); });
    connect(cancel, &QPushButton::clicked, this, [finish] { finish(std::nullopt); });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this, finish] { finish(list_->currentRow()); });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const kv41::Rect place = kv41::BesideThePanel(
            {area.x(), area.y(), area.width(), area.height()}, {width(), height()}, h);
        move(place.Left, place.Top);
    }
}
