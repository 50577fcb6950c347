#include "info_window_dialog.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "framework/window_places.h"
#include "frontend/game_windows.h"
#include "panel_font.h"

namespace {

// Column headings start where the memo's text starts, so that they stand over their columns.
constexpr int MemoTextInset = 4;

QLabel* Heading(const std::string& text, const QFont& font, bool green) {
    auto* label = new QLabel(QString::fromStdString(text));
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    if (green) {
        label->setStyleSheet("color: #008000;");
    } else {
        label->setIndent(MemoTextInset);
    }
    return label;
}

}  // namespace

InfoWindowDialog::InfoWindowDialog(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);
    // The panel keeps the keyboard, so that the player can go on typing the game's keys.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // A place is kept once the window has stood there a moment, not at every step of a drag.
    settled_ = new QTimer(this);
    settled_->setSingleShot(true);
    settled_->setInterval(kv41::WindowSettleMs);
    connect(settled_, &QTimer::timeout, this, [this] {
        // Only where the player put it: the game's own place is worked out afresh next time,
        // for the screen it then finds.
        if (LeftAt && isVisible() && pos() != placedAt_)
            LeftAt(QString::fromStdString(shown_.Name), frameGeometry().topLeft());
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    scroll_ = new QScrollArea;
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(scroll_);
}

void InfoWindowDialog::FitContents() {
    const QSize inner = content_->sizeHint();
    content_->resize(inner);
    if (shortenedBy_ <= 0) {
        scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll_->setFixedSize(inner);
        return;
    }
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int bar = scroll_->verticalScrollBar()->sizeHint().width();
    scroll_->setFixedSize(inner.width() + bar, std::max(1, inner.height() - shortenedBy_));
}

void InfoWindowDialog::ShowSnapshot(const kv41::InfoWindow& window,
                                    const std::vector<int>& paneSizes, int pointSize) {
    shown_ = window;
    shownSizes_ = paneSizes;
    const kv41::InfoWindowShape shape = kv41::InfoWindowShapeOf(window.Name);
    const QFont plain = TypewriterFont(pointSize);
    const QFont bold = TypewriterFont(pointSize, true);
    const QFont title = TypewriterFont(pointSize + 2, true);
    const QFontMetrics metrics(plain);
    const int cell = metrics.horizontalAdvance('W');
    const int line = metrics.height() + shape.ExtraLineHeight;

    const int scrolledTo = scroll_->verticalScrollBar()->value();
    content_ = new QWidget;
    auto* column = new QVBoxLayout(content_);
    column->setContentsMargins(10, 5, 10, 10);
    column->setSpacing(line / 4);

    std::size_t head = 0;
    std::size_t next = 0;
    for (std::size_t p = 0; p < shape.Panes.size(); ++p) {
        const kv41::InfoPane& pane = shape.Panes[p];
        if (p > 0) column->addSpacing(line);
        for (int k = 0; k < pane.Heads && head < window.Heads.size(); ++k, ++head) {
            const bool green = shape.GreenHeads && k == 0;
            column->addWidget(Heading(window.Heads[head], green ? title : bold, green));
        }
        const int count = p < paneSizes.size() ? paneSizes[p] : 0;
        QStringList lines;
        for (int i = 0; i < count && next < window.Lines.size(); ++i, ++next) {
            lines << QString::fromStdString(window.Lines[next]);
        }
        if (pane.OneLine) {
            auto* edit = new QLineEdit(lines.join(' '));
            edit->setFont(plain);
            edit->setReadOnly(true);
            edit->setFixedWidth(shape.Columns * cell + 12);
            column->addWidget(edit);
            continue;
        }
        auto* memo = new QPlainTextEdit;
        memo->setFont(plain);
        memo->setReadOnly(true);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->document()->setDocumentMargin(2);
        memo->setPlainText(lines.join('\n'));
        // Sized for the pane's lines; only the messages, two lines for a long one, may need
        // to scroll.
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setVerticalScrollBarPolicy(lines.size() > pane.Rows ? Qt::ScrollBarAsNeeded
                                                                  : Qt::ScrollBarAlwaysOff);
        const int margins = 2 * memo->frameWidth() + 2 * 2 + 8;
        memo->setFixedSize(shape.Columns * cell + margins,
                           std::max(1, pane.Rows) * metrics.lineSpacing() + margins);
        column->addWidget(memo);
    }
    scroll_->setWidget(content_);  // the contents shown before go with it
    setWindowTitle(QString::fromStdString(window.Caption));
    if (!isVisible()) {
        shortenedBy_ = 0;
        FitContents();
        adjustSize();
        if (PlaceFor) {
            const QSize frame = frameGeometry().size();
            const QRect place = PlaceFor(QString::fromStdString(window.Name), frame);
            shortenedBy_ = frame.height() - place.height();
            FitContents();
            adjustSize();
            // The scroll bar widens it leftwards, so that it stays on the screen.
            move(place.left() - (frameGeometry().width() - frame.width()), place.top());
            placedAt_ = pos();
        }
    } else {
        FitContents();
        scroll_->verticalScrollBar()->setValue(scrolledTo);
    }
    show();
    raise();
}

void InfoWindowDialog::Restyle(int pointSize) {
    if (isVisible())
        ShowSnapshot(kv41::InfoWindow(shown_), std::vector<int>(shownSizes_), pointSize);
}

void InfoWindowDialog::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    if (isVisible()) settled_->start();
}

void InfoWindowDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape && parentWidget() && !event->text().isEmpty()) {
        QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
        QCoreApplication::sendEvent(parentWidget(), &copy);
        return;
    }
    QDialog::keyPressEvent(event);
}
