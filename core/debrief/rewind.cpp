#include "debrief/rewind.h"

#include <charconv>

#include "debrief/replay_run.h"
#include "framework/file_replace.h"
#include "game_state.h"
#include "model/clock.h"
#include "replay/replay_recorder.h"

namespace kv41 {

namespace {

constexpr int Day = 24 * 60;

}  // namespace

void TakeOverGame(GameState& g, const GameState& again) {
    const GameState kept = g;
    g = again;
    g.Host = kept.Host;
    g.Recorder = kept.Recorder;
    g.Scores = kept.Scores;
    g.Inputs = {};
    static_cast<PanelState&>(g) = kept;
    g.ProgramDirectory = kept.ProgramDirectory;
    g.SettingsDirectory = kept.SettingsDirectory;
    g.DataDirectory = kept.DataDirectory;
    g.DocumentsDirectory = kept.DocumentsDirectory;
    g.LastDirectory = kept.LastDirectory;
    g.PositionFileName = kept.PositionFileName;
    g.SavedSpeed = kept.SavedSpeed;
    g.SavedFontSize = kept.SavedFontSize;
    g.InfoFontSize = kept.InfoFontSize;
    g.GridRowCount = kept.GridRowCount;
    g.GridColumnCount = kept.GridColumnCount;
    g.CellWidth = kept.CellWidth;
    g.CellHeight = kept.CellHeight;
    g.CellHalfHeight = kept.CellHalfHeight;
    g.StatusHeight = kept.StatusHeight;
    g.FirstActivation = kept.FirstActivation;
    g.AppActive = true;
    g.PaintEnabled = kept.PaintEnabled;
    g.Resizing = kept.Resizing;
    g.RememberedTop = kept.RememberedTop;
    g.RememberedLeft = kept.RememberedLeft;
    g.FontSize = kept.FontSize;
    g.MaxFontSize = kept.MaxFontSize;
    g.TimerIntervalMs = kept.TimerIntervalMs;
    g.TimetableFileName = kept.TimetableFileName;
    g.ClockSettingRead = kept.ClockSettingRead;
    // The box is the player's: the signalman does not come back with the past.
    g.AutoSignalman = false;
    g.FullRedraw = true;
}

namespace {

std::string AbandonedName(const GameState& g) {
    std::string time = FormatClock(g.ClockNow);
    while (!time.empty() && time.front() == ' ') time.erase(0, 1);
    for (char& c : time) {
        if (c == '*' || c == ':') c = '.';
    }
    return g.ShortName.str() + " replay abandoned at " + time + ".kv41";
}

}  // namespace

RewindResult RewindSession(GameState& g, int minute) {
    RewindResult result;
    ReplayRecorder* recorder = SessionRecorder(g);
    if (!recorder || (!g.SessionRunning && !g.SessionOver)) {
        result.Refusal = "no session is recorded";
        return result;
    }
    ReplayRun run(recorder->Text());
    if (!run.Valid()) {
        result.Refusal = "the session's record cannot be played again";
        return result;
    }
    const bool reached = run.Play([minute](GameState& again) { return again.ClockNow != minute; });
    if (!reached) {
        result.Refusal = "the session never reached " + FormatClock(minute);
        return result;
    }
    result.Abandoned = FileInDirectory(g.DataDirectory, AbandonedName(g));
    if (!recorder->SaveCopy(g, result.Abandoned)) result.Abandoned.clear();
    const bool wasOver = g.SessionOver;
    TakeOverGame(g, run.Game());
    g.PlayOnAfterRating = wasOver;
    recorder->ContinueFrom(run.LinesGiven());
    if (!wasOver) StartTimer(g);
    result.Done = true;
    return result;
}

int MinuteOfText(const GameState& g, const std::string& text) {
    const std::size_t mark = text.find_first_of(".:");
    if (mark == std::string::npos || mark == 0 || mark > 2 || text.size() != mark + 3) return -1;
    int hours = -1, minutes = -1;
    auto h = std::from_chars(text.data(), text.data() + mark, hours);
    auto m = std::from_chars(text.data() + mark + 1, text.data() + text.size(), minutes);
    if (h.ec != std::errc() || m.ec != std::errc() || h.ptr != text.data() + mark ||
        m.ptr != text.data() + text.size() || hours > 23 || minutes > 59) {
        return -1;
    }
    int time = hours * 60 + minutes;
    // The shift's hours may run from the evening before into the next morning.
    for (int shifted : {time - Day, time, time + Day}) {
        if (shifted >= g.ShiftStart && shifted <= g.ShiftEnd + 1) return shifted;
    }
    return time;
}

}  // namespace kv41
