#include "framework/window_places.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "framework/settings.h"
#include "game_state.h"
#include "platform/platform.h"

namespace kv41 {

namespace {

constexpr const char* PlacesSection = "Windows";
constexpr int Stagger = 32;  // about a caption's height
constexpr int ShortestStacked = 160;

ScreenBox OnScreen(ScreenBox box, const ScreenBox& screen) {
    box.Left = std::max(screen.Left, std::min(box.Left, screen.Right() - box.Width));
    box.Top = std::max(screen.Top, std::min(box.Top, screen.Bottom() - box.Height));
    return box;
}

}  // namespace

int InfoWindowOrder(const std::string& name) {
    static constexpr std::array<const char*, 5> Names = {"held", "register", "approaching", "wtt",
                                                         "messages"};
    for (std::size_t i = 0; i < Names.size(); ++i) {
        if (name == Names[i]) return static_cast<int>(i);
    }
    return -1;
}

ScreenBox PlaceInfoWindow(const ScreenBox& screen, const ScreenBox& main, int width, int height,
                          int order, int keepClearBottom) {
    const int step = std::max(order, 0) * Stagger;
    ScreenBox box{0, main.Top + step, width, height};
    if (screen.Right() - main.Right() >= width) {
        box.Left = main.Right() + step / 2;
    } else if (main.Left - screen.Left >= width) {
        box.Left = main.Left - width - step / 2;
    } else {
        // Over the lower right of the panel, the key text and the legend's end, which matter
        // least; shortened (the window scrolls) rather than lifted over the instruments, down
        // to a height that still shows a few lines.
        box.Left = screen.Right() - width - step;
        box.Top = keepClearBottom + step;
        box.Height = std::min(height, std::max(ShortestStacked, screen.Bottom() - box.Top));
    }
    return OnScreen(box, screen);
}

std::optional<ScreenBox> RememberedWindowPlace(GameState& g, const std::string& name,
                                               const ScreenBox& screen, int width, int height) {
    const std::string text = g.Host->ReadSetting(SettingsPath(g), PlacesSection, name, "");
    ScreenBox box{0, 0, width, height};
    char comma = 0;
    if (std::sscanf(text.c_str(), "%d%c%d", &box.Left, &comma, &box.Top) != 3 || comma != ',')
        return std::nullopt;
    // A place left on another screen, or one larger than this, is not used: the window would
    // open out of sight.
    if (box.Left < screen.Left || box.Top < screen.Top || box.Right() > screen.Right() ||
        box.Bottom() > screen.Bottom())
        return std::nullopt;
    return box;
}

void RememberWindowPlace(GameState& g, const std::string& name, int left, int top) {
    g.Host->WriteSetting(SettingsPath(g), PlacesSection, name,
                         std::to_string(left) + "," + std::to_string(top));
}

}  // namespace kv41
