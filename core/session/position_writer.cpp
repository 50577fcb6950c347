// Writing a position: the run-time state of the game as lines of blank-separated numbers and
// short texts, in a fixed order that the reader takes back.
#include <string>

#include "framework/messages.h"
#include "game_state.h"
#include "session/position_file.h"

namespace kv41 {

namespace {

class Record {
public:
    // A number right-aligned in its width. A number too wide for it is written in full, with a
    // blank before it all the same, so that it can still be read back as a token of its own.
    Record& Int(long long value, int width) {
        std::string digits = std::to_string(value);
        if (digits.size() < static_cast<std::size_t>(width)) {
            digits.insert(0, static_cast<std::size_t>(width) - digits.size(), ' ');
        }
        if (!line_.empty() && digits.front() != ' ') line_ += ' ';
        line_ += digits;
        return *this;
    }
    // A text; after numbers on the same line, exactly one blank separates it from them. A line
    // break inside it would split the record, so none is written.
    Record& Text(std::string_view text) {
        if (!line_.empty()) line_ += ' ';
        for (char c : text) line_ += (c == '\r' || c == '\n') ? ' ' : c;
        return *this;
    }
    void EndInto(std::string& file) {
        file += line_;
        file += "\r\n";
        line_.clear();
    }

private:
    std::string line_;
};

}  // namespace

std::string PositionText(const GameState& g) {
    std::string file;
    Record r;
    r.Int(g.Points, 5).Text(g.ProgramDate.view()).EndInto(file);
    r.Text(SimIdentity).EndInto(file);
    r.Int(g.ClockNow, 5).Int(g.MinuteTick, 3).Int(g.OpeningPoints, 4).Int(g.MessageIndex, 3);
    r.Int(g.TrainsInArea, 3).Int(g.LogWrites, 5).Int(g.ScoreLogging, 2).Int(g.TickSeconds, 4);
    r.Int(g.ShiftStart, 5).Int(g.ShiftEnd, 5).Int(g.ShiftNumber, 3).Int(g.ShiftTarget, 4);
    r.Text(g.ShiftName.view()).EndInto(file);
    r.Text(g.DifficultyName.view()).EndInto(file);

    for (int line = 1; line <= LineCount; ++line) {
        for (int entry = 0; entry < 4; ++entry) r.Int(g.LineTrains[line][entry], 4);
        r.Int(g.LineLastTime[line], 5).EndInto(file);
    }
    for (int t = 1; t <= g.TrainCount; ++t) {
        r.Int(g.TrainDue[t], 5).Int(g.TrainLate[t], 5).Int(g.TrainEngine[t], 4);
        r.Int(g.TrainSect[t], 3).Int(g.TrainSpeed[t], 3).Int(g.TrainToGo[t], 5);
        r.Int(g.TrainState[t], 3);
        for (int i = 1; i <= 6; ++i) r.Int(g.TrainTimes[t][i], 5);
        r.Int(g.TrainWait[t], 5).EndInto(file);
    }
    for (int s = 1; s <= g.SectCount; ++s) {
        r.Int(g.SectTrain[s], 4).Int(g.SectNext[s], 3).Int(g.SectBehind[s], 3);
        r.Int(g.SectLimit[s], 4).EndInto(file);
    }
    for (int lever = 1; lever <= LeverCount; ++lever) r.Int(g.LeverNormal[lever], 2).EndInto(file);
    for (int k = 1; k <= BoxCount; ++k) {
        r.Int(g.BoxBlock[k][0], 2).Int(g.BoxBlock[k][1], 2).Int(g.BoxBellShown[k], 3);
        r.Int(g.BoxBellSent[k], 3).Int(g.BoxBellAnswered[k], 3).Int(g.BoxOfferedTrain[k], 4);
        r.Int(g.BoxWarningGiven[k], 2).Int(g.BoxShuntForward[k], 2).Int(g.BoxBlockedBack[k], 2);
        r.Int(g.BoxTrainGone[k], 3).Int(g.BoxTrain[k], 4).Int(g.BoxLineClearTime[k], 5);
        r.Int(g.BoxTesTime[k], 5).Int(g.BoxAcceptedCode[k], 3).Int(g.BoxToosTrain[k], 5);
        r.Int(g.BoxToosDeadline[k], 5).EndInto(file);
    }
    for (int e = 1; e <= g.EngineCount; ++e) r.Text(g.EngineNumber[e].view()).EndInto(file);
    for (int m = 1; m <= MessageSlots; ++m) {
        r.Int(g.MessageTime[m], 5).Text(g.MessageText[m].view()).EndInto(file);
    }
    r.Int(g.MessageIndex, 0).Int(g.YardTimer, 4).Int(g.YardTrain, 4).Int(g.YardClear, 3);
    r.EndInto(file);
    r.Int(g.AutoSave, 2).Int(g.AutoBlockInstruments, 2).Int(g.RequireCallAttention, 2);
    r.Int(g.RulesLMR, 2).Int(g.RulesWR, 2).EndInto(file);
    return file;
}

bool WritePosition(GameState& g, const std::string& fileName, const FileWriter& writer) {
    if (ReplaceFile(fileName, PositionText(g), writer)) return true;
    ShowError(g, "Unable to write file - disk may be full or write-protected");
    // A quit that was to save first must not end the game on a position that was not kept.
    g.EndRequested = false;
    return false;
}

}  // namespace kv41
