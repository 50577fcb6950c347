// The timetable file offered at the start of a new game, for the player to print: every train
// still to run, in timetable order.
#include "windows/wtt_file.h"

#include "framework/messages.h"
#include "framework/save_dialog.h"
#include "framework/text_grid.h"
#include "game_state.h"
#include "model/clock.h"
#include "platform/platform.h"
#include "windows/window_text.h"

namespace kv41 {

void OfferWttFile(GameState& g) {
    FileChoice choice;
    choice.Title = "Create a WTT file";
    choice.DefaultName = "KV41WTT";
    choice.DefaultExt = "txt";
    choice.Filter = "WTT files|*.txt|All|*.*";
    std::optional<std::string> name = ChooseFileToWrite(g, choice);
    if (name) WriteWttFile(g, *name);
}

std::string WttFileText(const GameState& g, const std::string& fileName) {
    std::string text = "Working Timetable for Tarrock Junction, Summer weekday 1954\r\n";
    text += "  Saved as file " + fileName + "\r\n";
    text += "Time  Line From             To                  Class\r\n";
    // Trains gone before the shift began and cancelled trains are left out; those after the
    // shift's end are kept.
    for (int t = 1; t <= g.TrainCount; ++t) {
        if (g.TrainDue[t] == NoTime || g.TrainState[t] == TrainGone) continue;
        text += FormatClock(g.TrainDue[t], 5) + "  " + LineCodeOf(g, g.TrainFrom[t]) + "  ";
        text += PadRight(g.TrainOrigin[t].view(), 15) + " " + PadRight(g.TrainDest[t].view(), 15);
        text += std::string(TrainClassName(g.TrainClass[t])) + "\r\n";
    }
    text += "\r\n\r\n";
    return text;
}

bool WriteWttFile(GameState& g, const std::string& fileName, const FileWriter& writer) {
    g.TimetableFileName = fileName;
    if (!ReplaceFile(fileName, WttFileText(g, fileName), writer)) {
        ShowError(g, "Unable to write file - disk may be full or write-protected");
        return false;
    }
    ShowLineMessage(g, "WTT file " + fileName + " created", White, FileNoticeBlue, 3000);
    return true;
}

}  // namespace kv41
