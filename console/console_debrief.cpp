// The shift explained: the debrief's tables as text, and the way back to a minute of the shift.
#include <ostream>

#include "command_words.h"
#include "console.h"
#include "debrief/debrief_text.h"
#include "debrief/interrupted_shift.h"
#include "debrief/rewind.h"
#include "session/main_loop.h"

namespace kv41 {

void Console::DebriefCommand(CommandWords& words) {
    bool ghost = false;
    if (!words.AtEnd()) {
        std::string word = words.Word("what");
        if (word != "ghost") throw CommandRefused{"debrief takes ghost or nothing, not " + word};
        ghost = true;
    }
    words.End();
    FlushAutoSteps();
    const std::string record = recorder_->Text();
    const Debrief debrief = BuildDebrief(record);
    if (!debrief.Valid) throw CommandRefused{"the session's record cannot be played again", false};
    Debrief his;
    if (ghost) his = SignalmansShift(record);
    const ReviewTables tables = ReviewTablesOf(debrief, ghost ? &his : nullptr, *game_);
    const std::vector<std::string> lines = DebriefLines(tables);
    out_ << "debrief: " << lines.front() << '\n';
    for (std::size_t i = 1; i < lines.size(); ++i) out_ << lines[i] << '\n';
}

void Console::RewindCommand(CommandWords& words) {
    const std::string time = words.Word("time");
    words.End();
    const int minute = MinuteOfText(*game_, time);
    if (minute < 0) throw CommandRefused{"the time must be HH.MM, not " + time};
    const bool over = game_->SessionOver;
    const RewindResult result = RewindSession(*game_, minute);
    if (!result.Done) throw CommandRefused{result.Refusal, false};
    out_ << "rewind: back at " << ClockText(minute) << ", the box in your hands";
    if (!result.Abandoned.empty()) out_ << "; what followed is kept in " << result.Abandoned;
    out_ << '\n';
    autoUntil_ = 0;
    // After the shift's end the session's loop runs again; during it, the loop that read this
    // command simply goes on from the state it now holds.
    if (over) ContinueSession(*game_);
}

void Console::RecoverCommand(CommandWords& words) {
    const std::string file = words.AtEnd() ? RunningReplayFile(*game_) : words.Text("file name");
    words.End();
    const InterruptedShiftResult result = OfferInterruptedShift(*game_, file);
    if (!result.Refusal.empty()) throw CommandRefused{result.Refusal, false};
    if (result.Continued) {
        out_ << "recover: the shift goes on from " << ClockText(game_->ClockNow)
             << ", the box in your hands\n";
        autoUntil_ = 0;
        ContinueSession(*game_);
        return;
    }
    if (!result.Kept.empty()) {
        out_ << "recover: not continued; its record is kept in " << result.Kept << '\n';
        return;
    }
    throw CommandRefused{"no interrupted shift in " + file, false};
}

}  // namespace kv41
