#pragma once
// An information window (trains held, register, timetable, trains approaching, messages): green
// headings, column headings and memos in a typewriter face. Modeless; closing hides it, and
// asking for it again refreshes it.
#include <QDialog>
#include <QScrollArea>
#include <QTimer>
#include <functional>
#include <vector>

#include "platform/platform.h"

class InfoWindowDialog : public QDialog {
    Q_OBJECT
public:
    explicit InfoWindowDialog(QWidget* parent = nullptr);
    // Rebuilds the window from a snapshot; paneSizes tells how many lines go to each memo.
    void ShowSnapshot(const kv41::InfoWindow& window, const std::vector<int>& paneSizes,
                      int pointSize);
    // Shows the same snapshot again in another font size, if the window is open.
    void Restyle(int pointSize);
    // Where the window's frame goes when it opens (given its frame's size; a shorter height
    // than asked makes its contents scroll), and what is told where the player leaves it.
    std::function<QRect(const QString& name, QSize frame)> PlaceFor;
    std::function<void(const QString& name, QPoint frame)> LeftAt;

protected:
    // The game's letter keys typed while this window has the focus still reach the game.
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // Sizes the scroll area to the contents, less the height the window was shortened by.
    void FitContents();

    QScrollArea* scroll_ = nullptr;
    QWidget* content_ = nullptr;
    int shortenedBy_ = 0;
    QPoint placedAt_;  // where the game put it as it opened
    kv41::InfoWindow shown_;
    std::vector<int> shownSizes_;
    QTimer* settled_ = nullptr;  // the window has stood still a moment where it was moved
};
