#pragma once
// The panel: an off-screen image that the core draws on through the canvas calls. What has been
// drawn reaches the screen when it is presented, and then only the part that changed.
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <memory>
#include <vector>

#include "accessibility/panel_description.h"

class QAccessibleInterface;

namespace kv41 {
struct GameState;
}

class PanelWidget : public QWidget {
    Q_OBJECT
public:
    explicit PanelWidget(kv41::GameState& game, QWidget* parent = nullptr);
    ~PanelWidget() override;

    // The image for reading or for drawing by other means than Canvas.
    QImage& Image();
    // A painter on the image, kept open between presents; touched is the area (image pixels,
    // status band included) that the caller is about to draw on.
    QPainter& Canvas(const QRect& touched);
    // Puts on the screen, at once, whatever changed since the last present, and only that.
    void PresentChanges();
    void ResizeImage(int width, int height);
    // The point size of the panel's text.
    void SetPanelFontSize(int pointSize) { fontSize_ = pointSize; }
    int PanelFontSize() const { return fontSize_; }

    // The panel's parts in words for a screen reader (none before a session is drawn), their
    // places on the screen and their accessible interfaces; the latest message announced.
    const std::vector<kv41::PanelPart>& Parts() const { return parts_; }
    QRect PartRect(const kv41::PanelPart& part) const;
    QAccessibleInterface* PartInterface(int index) const;
    const QString& Announced() const { return announced_; }
    // Announces a message through the message line, as a live region does.
    void Announce(const QString& text);
    // Takes the parts afresh from the game and tells the reader what changed.
    void RefreshParts();

signals:
    void InputArrived();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void EndPainting();

    kv41::GameState& game_;
    QImage image_;
    int fontSize_ = 0;
    std::unique_ptr<QPainter> painter_;
    void Touch(const QRect& touched);

    QRegion dirty_;
    std::vector<kv41::PanelPart> parts_;
    mutable std::vector<unsigned> partIds_;
    QString announced_;
};
