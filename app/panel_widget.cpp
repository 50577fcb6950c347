#include "panel_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "game_state.h"
#include "session/window_input.h"

PanelWidget::PanelWidget(kv41::GameState& game, QWidget* parent)
    : QWidget(parent), game_(game), image_(800, 480, QImage::Format_RGB32) {
    image_.fill(Qt::black);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void PanelWidget::ResizeImage(int width, int height) {
    if (image_.width() == width && image_.height() == height) return;
    QImage larger(width, height, QImage::Format_RGB32);
    larger.fill(Qt::black);
    QPainter painter(&larger);
    painter.drawImage(0, 0, image_);
    image_ = larger;
    setFixedSize(width, height - game_.StatusHeight);
}

void PanelWidget::paintEvent(QPaintEvent*) {
    // The image covers the whole client area; the status bar band above is Qt's own widgets.
    QPainter painter(this);
    painter.drawImage(0, 0, image_, 0, game_.StatusHeight);
}

// The core counts rows from the top of the client area, status bar included.
void PanelWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    kv41::OnMouseDown(game_, p.x(), p.y() + game_.StatusHeight);
    emit InputArrived();
}
