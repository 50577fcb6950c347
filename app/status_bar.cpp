#include "status_bar.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "panel_font.h"

namespace {

QFont SansFont(int pointSize) {
    QFont font;
    font.setPointSize(std::max(5, pointSize));
    return font;
}

}  // namespace

StatusBar::StatusBar(std::function<void()> slower, std::function<void()> faster,
                     std::function<void()> fast, QWidget* parent)
    : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    pointsCaption_ = new QLabel("Points gained:", this);
    pointsValue_ = new QLabel("  0", this);
    speedCaption_ = new QLabel("Speed", this);
    speedValue_ = new QLabel("100%", this);
    slower_ = new QPushButton(" - ", this);
    faster_ = new QPushButton("+", this);
    fast_ = new QPushButton("Fast", this);
    signalman_ = new QLabel(this);
    signalman_->setWordWrap(true);
    timeCaption_ = new QLabel("Time is", this);
    timeValue_ = new QLabel(" 8.00", this);
    speedCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    timeCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QPushButton* button : {slower_, faster_, fast_}) {
        // The buttons leave the keyboard with the panel, where the game's keys are typed.
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(slower_, &QPushButton::clicked, this, [slower] { slower(); });
    connect(faster_, &QPushButton::clicked, this, [faster] { faster(); });
    connect(fast_, &QPushButton::clicked, this, [fast] { fast(); });
    slower_->setToolTip("Slower (key -)");
    faster_->setToolTip("Faster (key +)");
    fast_->setToolTip("Run fast until a box, a train or the yard needs you");
}

void StatusBar::SetTexts(const kv41::StatusTexts& status) {
    timeValue_->setText(QString::fromStdString(status.Time));
    speedValue_->setText(QString::fromStdString(status.Speed));
    fast_->setText(QString::fromStdString(status.Fast));
    pointsCaption_->setText(QString::fromStdString(status.PointsCaption));
    pointsValue_->setText(QString::fromStdString(status.PointsValue));
    signalman_->setText(QString::fromStdString(status.Signalman));
}

void StatusBar::Layout(int fontSize, int w, int h, int width) {
    const int half = h / 2;
    const int height = 2 * h;
    setFixedSize(width, height);
    const QFont small = SansFont(fontSize - 2);
    const QFont large = SansFont(fontSize);
    // The numbers change every minute: a fixed-width face keeps them from jumping about.
    const QFont numbers = TypewriterFont(std::max(5, fontSize - 2));
    // An anchor 12 cells wide at the left edge; the points follow it.
    const int anchorRight = 12 * w;
    // The anchor holds the word that the automatic signalman is at work.
    signalman_->setFont(SansFont(std::max(5, fontSize - 3)));
    signalman_->setGeometry(4, 1, anchorRight - 6, height - 2);
    pointsCaption_->setFont(small);
    pointsCaption_->setGeometry(anchorRight + 5, half + 1, 15 * w - 30, h);
    pointsValue_->setFont(numbers);
    pointsValue_->setGeometry(pointsCaption_->geometry().right() + 1 + 5, half + 1, 5 * w - 10, h);
    timeValue_->setFont(TypewriterFont(fontSize));
    timeValue_->setGeometry(width - 14 * w - 5, half, 14 * w, h + 2);
    timeCaption_->setFont(small);
    const int captionWidth = 8 * (w - 2);
    timeCaption_->setGeometry(timeValue_->x() - captionWidth - 5, 2, captionWidth, height - 4);
    speedCaption_->setFont(small);
    speedCaption_->setGeometry(width / 2 - (6 * w - 7), half + 1, 6 * w - 7, h);
    speedValue_->setFont(numbers);
    speedValue_->setGeometry(width / 2 + 5, half + 1, 10 * w - 15, h);
    for (QPushButton* button : {slower_, faster_, fast_}) button->setFont(large);
    slower_->setGeometry(speedCaption_->x() - (4 * w + 5) - w, half, 4 * w + 5, h);
    faster_->setGeometry(speedValue_->x() + speedValue_->width() + w, half, 4 * w + 5, h);
    fast_->setGeometry(faster_->x() + faster_->width() + w, half, 6 * w + 5, h);
}
