#include "windows/file_notice.h"

#include "framework/text_grid.h"
#include "game_state.h"
#include "platform/platform.h"

namespace kv41 {

namespace {

constexpr Rgb MessageBlue{0, 0, 160};

}  // namespace

void ShowFileNotice(GameState& g, const std::string& text, int ms) {
    ClearMessageLine(g);
    SetTextColour(g, White);
    SetBackColour(g, MessageBlue);
    // A long path would run on into the status line below; the panel shows what fits.
    WriteText(g, std::string_view(text).substr(0, static_cast<std::size_t>(g.GridColumnCount)));
    g.Host->Report(Output::Line, text);
    Pause(g, ms);
    DefaultColours(g);
    ClearMessageLine(g);
}

}  // namespace kv41
