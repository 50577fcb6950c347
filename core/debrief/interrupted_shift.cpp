#include "debrief/interrupted_shift.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "debrief/debrief_text.h"
#include "debrief/replay_run.h"
#include "debrief/rewind.h"
#include "framework/file_replace.h"
#include "framework/player_dialogs.h"
#include "game_state.h"
#include "replay/end_state.h"
#include "replay/replay_recorder.h"

namespace kv41 {

namespace {

std::string ReadWhole(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Ended(const std::string& text) {
    return text.rfind("\n# end ") != std::string::npos || text.rfind("# end ", 0) == 0;
}

std::string KeptName(const GameState& g, int time) {
    std::string clock = ClockText(time);
    for (char& c : clock) {
        if (c == ':') c = '.';
    }
    return g.ShortName.str() + " replay interrupted at " + clock + ".kv41";
}

}  // namespace

std::string RunningReplayFile(const GameState& g) {
    return FileInDirectory(g.DataDirectory, g.ShortName.str() + " replay.kv41");
}

bool HoldsInterruptedShift(const std::string& file) {
    const std::string text = ReadWhole(file);
    ReplayScript script;
    return !text.empty() && !Ended(text) && script.Read(text);
}

InterruptedShiftResult OfferInterruptedShift(GameState& g, const std::string& file) {
    InterruptedShiftResult result;
    if (!HoldsInterruptedShift(file)) return result;
    const std::string text = ReadWhole(file);
    ReplayRun run(text);
    run.Play(nullptr);
    const GameState& again = run.Game();
    if (!run.Valid() || !again.SessionRunning) {
        result.Refusal = "the interrupted shift's record cannot be played again";
        return result;
    }
    const std::string time = ClockText(again.ClockNow);
    const std::string question = "The " + again.ShiftName.str() + " shift was interrupted at " +
                                 time + " before it ended. Continue it from " + time + "?";
    if (!AskPlayer(g, question)) {
        // Kept whole, with the state its record reaches as its end, so that it replays.
        std::string kept = text;
        for (const std::string& line : EndStateLines(again)) kept += line + "\n";
        result.Kept = FileInDirectory(g.DataDirectory, KeptName(g, again.ClockNow));
        if (ReplaceFile(result.Kept, kept)) {
            std::remove(file.c_str());
        } else {
            result.Kept.clear();
        }
        return result;
    }
    TakeOverGame(g, again);
    if (ReplayRecorder* recorder = SessionRecorder(g)) recorder->ContinueFrom(run.LinesGiven());
    result.Continued = true;
    return result;
}

}  // namespace kv41
