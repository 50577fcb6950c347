#include "frontend/replay_pacing.h"

#include <utility>

#include "framework/file_replace.h"
#include "game_state.h"

namespace kv41 {

ReplayPacing::ReplayPacing(ReplayScript script, std::string directory)
    : script_(std::move(script)), directory_(std::move(directory)) {}

std::string ReplayPacing::WriteStartPosition() const {
    if (script_.Shift > 0) return {};
    const std::string file = FileInDirectory(directory_, script_.StartFile);
    ReplaceFile(file, script_.StartText);
    return file;
}

ReplayPacing::Beat ReplayPacing::NextBeat(GameState& g) {
    if (!playing_) return Beat::Ended;
    // Each input is taken before the next is given, so that the game shows every one.
    if (!g.SessionRunning || g.Inputs.Pending()) return Beat::Waiting;
    if (ticksLeft_ > 0) {
        --ticksLeft_;
        g.Inputs.Events.emplace_back();
        return Beat::Gave;
    }
    while (next_ < script_.Lines.size()) {
        const int ticks = QueueReplayLine(g, script_.Lines[next_++], directory_, held_);
        if (ticks < 0) continue;
        if (ticks > 0) {
            ticksLeft_ = ticks - 1;
            g.Inputs.Events.emplace_back();
        }
        return Beat::Gave;
    }
    // The end of the replay: the game goes on, the player's now.
    TakeOver(g);
    return Beat::Ended;
}

void ReplayPacing::TakeOver(GameState& g) {
    if (!playing_) return;
    playing_ = false;
    g.Inputs.Clear();
}

}  // namespace kv41
