#pragma once
// An information window (trains held, the register, the timetable, trains approaching, recent
// messages): headings over read-only memos in the panel font, laid out by the core's shape of
// the window. It stays open beside the panel while the game goes on, and shows each new
// snapshot the game gives it.
#include "windows_api.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialog_window.h"
#include "platform/platform.h"

class InfoWindow {
public:
    explicit InfoWindow(HWND owner) : owner_(owner) {}
    void Show(const kv41::InfoWindow& snapshot, int pointSize);
    // The same snapshot again in another font size, if the window is open.
    void Restyle(int pointSize);
    bool IsWindow(HWND window) const;
    // Where a window of this frame size first goes (its frame's rectangle, perhaps shorter),
    // and where the player has left it.
    std::function<RECT(const std::string& name, SIZE frame)> PlaceFor;
    std::function<void(const std::string& name, int left, int top)> LeftAt;

private:
    HWND owner_;
    std::unique_ptr<DialogWindow> window_;
    kv41::InfoWindow shown_;
    int pointSize_ = 0;
    std::vector<HWND> heads_, memos_;
};
