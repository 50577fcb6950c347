#include "panel_widget.h"

#include <QAccessible>
#include <QMouseEvent>

#include "game_state.h"
#include "panel_accessible.h"
#include "session/window_input.h"

PanelWidget::PanelWidget(kv41::GameState& game, QWidget* parent)
    : QWidget(parent), game_(game), image_(800, 480, QImage::Format_RGB32) {
    image_.fill(Qt::black);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName("Signal box panel");
}

PanelWidget::~PanelWidget() {
    EndPainting();
    for (unsigned id : partIds_) {
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
}

QAccessibleInterface* NewPartAccessible(PanelWidget* panel, int index);

QRect PanelWidget::PartRect(const kv41::PanelPart& part) const {
    const int w = game_.CellWidth, h = game_.CellHeight;
    const QPoint corner = mapToGlobal(QPoint((part.Column - 1) * w, (part.Row - 1) * h));
    return {corner, QSize(part.Columns * w, part.Rows * h)};
}

QAccessibleInterface* PanelWidget::PartInterface(int index) const {
    if (index < 0 || index >= static_cast<int>(parts_.size())) return nullptr;
    if (partIds_.size() < parts_.size()) partIds_.resize(parts_.size(), 0);
    unsigned& id = partIds_[static_cast<size_t>(index)];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(
            NewPartAccessible(const_cast<PanelWidget*>(this), index));
    }
    return QAccessible::accessibleInterface(id);
}

void PanelWidget::Announce(const QString& text) {
    if (text.isEmpty() || !QAccessible::isActive()) return;
    RefreshParts();
    const QString before = announced_;
    announced_ = text;
    for (int i = 0; i < static_cast<int>(parts_.size()); ++i) {
        if (parts_[static_cast<size_t>(i)].Role != kv41::PartRole::MessageLine) continue;
        QAccessibleInterface* line = PartInterface(i);
        QAccessibleTextUpdateEvent update(line, 0, before, text);
        QAccessible::updateAccessibility(&update);
        QAccessibleEvent described(line, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}

void PanelWidget::RefreshParts() {
    if (!QAccessible::isActive()) return;
    std::vector<kv41::PanelPart> now;
    if (game_.SessionRunning || game_.SessionOver) now = kv41::DescribePanel(game_);
    const bool sameParts = now.size() == parts_.size();
    std::vector<kv41::PanelPart> before = std::move(parts_);
    parts_ = std::move(now);
    if (!sameParts) {
        QAccessibleEvent reordered(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reordered);
        return;
    }
    for (int i = 0; i < static_cast<int>(parts_.size()); ++i) {
        const kv41::PanelPart& part = parts_[static_cast<size_t>(i)];
        const kv41::PanelPart& old = before[static_cast<size_t>(i)];
        if (part.Role == kv41::PartRole::MessageLine) continue;
        if (part.State != old.State) {
            QAccessibleEvent changed(PartInterface(i), QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&changed);
        }
        if (part.Selected && !old.Selected && hasFocus()) {
            QAccessibleEvent focus(PartInterface(i), QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
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
    RefreshParts();
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
