#include "panel_widget.h"

#include <QMouseEvent>

#include "game_state.h"
#include "session/window_input.h"

PanelWidget::PanelWidget(kv41::GameState& game, QWidget* parent)
    : QWidget(parent), game_(game), image_(800, 480, QImage::Format_RGB32) {
    image_.fill(Qt::black);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

PanelWidget::~PanelWidget() {
    EndPainting();
}

QImage& PanelWidget::Image() {
    EndPainting();
    return image_;
}

// What a click changes lies in a few places far apart (the message line, a lever, an
// instrument): they are kept apart, so that only they are put on the screen, until so many
// have gathered that one rectangle around them all serves better.
void PanelWidget::Touch(const QRect& touched) {
    constexpr int MostApart = 24;
    dirty_ += touched;
    if (dirty_.rectCount() > MostApart) dirty_ = dirty_.boundingRect();
}

QPainter& PanelWidget::Canvas(const QRect& touched) {
    Touch(touched);
    if (!painter_) painter_ = std::make_unique<QPainter>(&image_);
    return *painter_;
}

void PanelWidget::EndPainting() {
    painter_.reset();
}

void PanelWidget::PresentChanges() {
    EndPainting();
    if (dirty_.isEmpty()) return;
    // The image counts the status band above the panel; the widget starts below it.
    const QRegion area = dirty_.translated(0, -game_.StatusHeight) & rect();
    dirty_ = QRegion();
    if (!area.isEmpty() && isVisible()) repaint(area);
}

void PanelWidget::ResizeImage(int width, int height) {
    if (image_.width() == width && image_.height() == height) return;
    EndPainting();
    QImage larger(width, height, QImage::Format_RGB32);
    larger.fill(Qt::black);
    QPainter painter(&larger);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = larger;
    setFixedSize(width, height - game_.StatusHeight);
    dirty_ = QRegion(image_.rect());
}

void PanelWidget::paintEvent(QPaintEvent* event) {
    EndPainting();
    // The image covers the whole client area; the status bar band above is Qt's own widgets.
    QPainter painter(this);
    for (const QRect& area : event->region()) {
        painter.drawImage(area, image_, area.translated(0, game_.StatusHeight));
    }
}

// The core counts rows from the top of the client area, status bar included.
void PanelWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    kv41::OnMouseDown(game_, p.x(), p.y() + game_.StatusHeight);
    emit InputArrived();
}
