#include "debrief/unseen_platform.h"

#include "game_state.h"

namespace kv41 {

namespace {

constexpr int DayMs = 24 * 3600 * 1000;
// The metrics of a plain fixed-pitch panel font, as the console's platform gives them.
constexpr int CellWidth = 8;
constexpr int TextHeight = 13;

}  // namespace

UnseenPlatform::UnseenPlatform(GameState& game, std::string directory, uint32_t seed)
    : game_(game), directory_(std::move(directory)), seed_(seed) {
    game_.Host = this;
}

void UnseenPlatform::WaitForEvents(int /*maxMs*/) {
    if (game_.Inputs.Pending()) return;
    if (!OnIdle || !OnIdle()) throw ProgramEnd{0};
}

void UnseenPlatform::Sleep(int ms) {
    virtualMs_ += ms;
    if (virtualMs_ >= DayMs) virtualMs_ -= DayMs;
}

void UnseenPlatform::FontMetrics(int, int& cellWidth, int& textHeight) {
    cellWidth = CellWidth;
    textHeight = TextHeight;
}

std::string UnseenPlatform::ReadSetting(const std::string& file, const std::string& section,
                                        const std::string& key, const std::string& fallback) {
    auto found = settings_.find(file + "|" + section + "|" + key);
    return found == settings_.end() ? fallback : found->second;
}

bool UnseenPlatform::WriteSetting(const std::string& file, const std::string& section,
                                  const std::string& key, const std::string& value) {
    settings_[file + "|" + section + "|" + key] = value;
    return true;
}

}  // namespace kv41
