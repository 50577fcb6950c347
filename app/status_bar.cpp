#include "status_bar.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "model/status_bar_layout.h"
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
    pointsCaption_ = new QLabel(kv41::InitialPointsCaption, this);
    pointsValue_ = new QLabel(kv41::InitialPoints, this);
    speedCaption_ = new QLabel(kv41::SpeedCaption, this);
    speedValue_ = new QLabel(kv41::InitialSpeed, this);
    slower_ = new QPushButton(kv41::SlowerCaption, this);
    faster_ = new QPushButton(kv41::FasterCaption, this);
    fast_ = new QPushButton(kv41::FastCaption, this);
    signalman_ = new QLabel(this);
    signalman_->setWordWrap(true);
    timeCaption_ = new QLabel(kv41::TimeCaption, this);
    timeValue_ = new QLabel(kv41::InitialTime, this);
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
    setFixedSize(width, 2 * h);
    const kv41::StatusBarPlaces places = kv41::LayOutStatusBar(w, h, width);
    auto place = [](QWidget* control, const kv41::BarBox& box, const QFont& font) {
        control->setFont(font);
        control->setGeometry(box.Left, box.Top, box.Width, box.Height);
    };
    const QFont small = SansFont(fontSize - 2);
    const QFont large = SansFont(fontSize);
    // The numbers change every minute: a fixed-width face keeps them from jumping about.
    const QFont numbers = TypewriterFont(std::max(5, fontSize - 2));
    place(signalman_, places.Signalman, SansFont(std::max(5, fontSize - 3)));
    place(pointsCaption_, places.PointsCaption, small);
    place(pointsValue_, places.PointsValue, numbers);
    place(timeValue_, places.TimeValue, TypewriterFont(fontSize));
    place(timeCaption_, places.TimeCaption, small);
    place(speedCaption_, places.SpeedCaption, small);
    place(speedValue_, places.SpeedValue, numbers);
    place(slower_, places.Slower, large);
    place(faster_, places.Faster, large);
    place(fast_, places.Fast, large);
}
