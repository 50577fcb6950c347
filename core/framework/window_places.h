#pragma once
// Where the information windows stand: beside the main window where the screen has room, else
// over the part of the panel that matters least, each where the player last left it. In screen
// pixels, frames included; every front end asks these and only moves its windows.
#include <optional>
#include <string>

namespace kv41 {

struct GameState;

struct ScreenBox {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
};

// The window's order among the information windows (held, register, approaching, wtt,
// messages), which staggers them so that each caption shows; -1 for another name.
int InfoWindowOrder(const std::string& name);

// A window opened for the first time: to the right of the main window, else to its left, where
// the screen has room for it; else over the panel below `keepClearBottom` (the status bar and
// the instruments above it stay in sight), at the screen's right edge, and then perhaps shorter
// than asked: the front end gives it the height returned and lets its contents scroll.
// Staggered by its order, and wholly on the screen where it fits.
ScreenBox PlaceInfoWindow(const ScreenBox& screen, const ScreenBox& main, int width, int height,
                          int order, int keepClearBottom);

// A window the player moves is taken as left where it stands once it has stood still this long:
// a drag moves it many times, and only where it comes to rest is kept.
constexpr int WindowSettleMs = 500;

// Where the player last left the window (the settings file's [Windows] section), if that is
// still on this screen; and keeping a new place there.
std::optional<ScreenBox> RememberedWindowPlace(GameState& g, const std::string& name,
                                               const ScreenBox& screen, int width, int height);
void RememberWindowPlace(GameState& g, const std::string& name, int left, int top);

}  // namespace kv41
