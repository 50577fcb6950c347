#pragma once
// The panel: an off-screen image that the core draws on through the canvas calls, shown as is.
#include <QImage>
#include <QWidget>

namespace kv41 {
struct GameState;
}

class PanelWidget : public QWidget {
    Q_OBJECT
public:
    explicit PanelWidget(kv41::GameState& game, QWidget* parent = nullptr);

    QImage& Image() { return image_; }
    void ResizeImage(int width, int height);
    void SetPanelFont(const QFont& font) { font_ = font; }
    const QFont& PanelFont() const { return font_; }

signals:
    void InputArrived();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    kv41::GameState& game_;
    QImage image_;
    QFont font_;
};
