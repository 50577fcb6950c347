#include "record_format.h"

#include <algorithm>

#include "game_state.h"
#include "model/clock.h"

namespace kv41 {

RecordLine::RecordLine(std::string_view kind, int index) : text_(kind) {
    text_ += ' ';
    text_ += std::to_string(index);
}

RecordLine& RecordLine::PutRaw(std::string_view name, const std::string& value) {
    text_ += ' ';
    text_ += name;
    text_ += '=';
    text_ += value;
    return *this;
}

RecordLine& RecordLine::Put(std::string_view name, const std::string& text) {
    return PutRaw(name, QuoteText(text));
}

std::string QuoteText(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

namespace {

// A count held in the game, never more than its table holds.
int Within(int count, int capacity) {
    return std::clamp(count, 0, capacity);
}

std::string FormatSection(const GameState& g, int i) {
    return RecordLine("section", i)
        .Put("SectName", g.SectName[i])
        .Put("SectLength", g.SectLength[i])
        .Put("SectTrain", g.SectTrain[i])
        .Put("SectNext", g.SectNext[i])
        .Put("SectBehind", g.SectBehind[i])
        .Put("SectLimit", g.SectLimit[i])
        .Text();
}

std::string FormatLever(const GameState& g, int i) {
    return RecordLine("lever", i)
        .Put("LeverKind", g.LeverKind[i])
        .Put("LeverName", g.LeverName[i])
        .Put("LeverX", g.LeverX[i])
        .Put("LeverY", g.LeverY[i])
        .Put("LeverSide", g.LeverSide[i])
        .Put("LeverNormal", g.LeverNormal[i])
        .PutList("LeverPullLock", g.LeverPullLock[i])
        .PutList("LeverRestoreLock", g.LeverRestoreLock[i])
        .PutList("LeverPullTrack", g.LeverPullTrack[i])
        .PutList("LeverRestoreTrack", g.LeverRestoreTrack[i])
        .Text();
}

std::string FormatLine(const GameState& g, int i) {
    return RecordLine("line", i)
        .Put("LineCode", g.LineCode[i])
        .Put("LineHeadway", g.LineHeadway[i])
        .Put("LineLastTime", g.LineLastTime[i])
        .PutList("LineTrains", g.LineTrains[i])
        .Text();
}

std::string FormatBox(const GameState& g, int i) {
    return RecordLine("box", i)
        .Put("BoxName", g.BoxName[i])
        .Put("BoxEntrySect", g.BoxEntrySect[i])
        .PutList("BoxLeadA", g.BoxLeadA[i])
        .PutList("BoxLeadB", g.BoxLeadB[i])
        .PutList("BoxBlock", g.BoxBlock[i])
        .Put("BoxBellShown", g.BoxBellShown[i])
        .Put("BoxBellSent", g.BoxBellSent[i])
        .Put("BoxBellAnswered", g.BoxBellAnswered[i])
        .Put("BoxRingPending", g.BoxRingPending[i])
        .Put("BoxLastRingTime", g.BoxLastRingTime[i])
        .Put("BoxOfferedTrain", g.BoxOfferedTrain[i])
        .Put("BoxAttending", g.BoxAttending[i])
        .Put("BoxAwaitingAttn", g.BoxAwaitingAttn[i])
        .Put("BoxHeldCode", g.BoxHeldCode[i])
        .Put("BoxAttnAnswered", g.BoxAttnAnswered[i])
        .Put("BoxAcceptedCode", g.BoxAcceptedCode[i])
        .Put("BoxTrain", g.BoxTrain[i])
        .Put("BoxLineClearTime", g.BoxLineClearTime[i])
        .Put("BoxTesTime", g.BoxTesTime[i])
        .Put("BoxTrainGone", g.BoxTrainGone[i])
        .Put("BoxShuntForward", g.BoxShuntForward[i])
        .Put("BoxBlockedBack", g.BoxBlockedBack[i])
        .Put("BoxWarningGiven", g.BoxWarningGiven[i])
        .Put("BoxToosTrain", g.BoxToosTrain[i])
        .Put("BoxToosDeadline", g.BoxToosDeadline[i])
        .Text();
}

std::string FormatTrain(const GameState& g, int i) {
    return RecordLine("train", i)
        .Put("TrainDue", g.TrainDue[i])
        .Put("TrainLate", g.TrainLate[i])
        .Put("TrainEngine", g.TrainEngine[i])
        .Put("TrainNextWorking", g.TrainNextWorking[i])
        .Put("TrainLength", g.TrainLength[i])
        .Put("TrainFrom", g.TrainFrom[i])
        .Put("TrainTo", g.TrainTo[i])
        .Put("TrainOrigin", g.TrainOrigin[i])
        .Put("TrainDest", g.TrainDest[i])
        .Put("TrainClass", g.TrainClass[i])
        .Put("TrainState", g.TrainState[i])
        .Put("TrainSect", g.TrainSect[i])
        .Put("TrainSpeed", g.TrainSpeed[i])
        .Put("TrainToGo", g.TrainToGo[i])
        .PutList("TrainTimes", g.TrainTimes[i], 1)
        .Put("TrainWait", g.TrainWait[i])
        .Text();
}

std::string FormatEngine(const GameState& g, int i) {
    return RecordLine("engine", i).Put("EngineNumber", g.EngineNumber[i]).Text();
}

std::string FormatMessage(const GameState& g, int i) {
    return RecordLine("message", i)
        .Put("MessageTime", g.MessageTime[i])
        .Put("MessageText", g.MessageText[i])
        .Text();
}

const RecordKind Kinds[] = {
    {"section", [](const GameState& g) { return Within(g.SectCount, MaxSections); }, FormatSection},
    {"lever", [](const GameState&) { return LeverCount; }, FormatLever},
    {"line", [](const GameState&) { return LineCount; }, FormatLine},
    {"box", [](const GameState&) { return BoxCount; }, FormatBox},
    {"train", [](const GameState& g) { return Within(g.TrainCount, MaxTrains); }, FormatTrain},
    {"engine", [](const GameState& g) { return Within(g.EngineCount, MaxEngines); }, FormatEngine},
    {"message", [](const GameState&) { return MessageSlots; }, FormatMessage},
};

}  // namespace

const RecordKind* FindRecordKind(std::string_view name) {
    for (const RecordKind& kind : Kinds) {
        if (kind.Name == name) return &kind;
    }
    return nullptr;
}

std::string FormatGameRecord(const GameState& g) {
    return RecordLine("game")
        .Put("ClockNow", g.ClockNow)
        .Put("MinuteTick", g.MinuteTick)
        .Put("TickSeconds", g.TickSeconds)
        .Put("FastMode", g.FastMode)
        .Put("QuietTicks", g.QuietTicks)
        .Put("Points", g.Points)
        .Put("OpeningPoints", g.OpeningPoints)
        .Put("Difficulty", g.Difficulty)
        .Put("DifficultyName", g.DifficultyName)
        .Put("ShiftNumber", g.ShiftNumber)
        .Put("ShiftName", g.ShiftName)
        .Put("ShiftStart", g.ShiftStart)
        .Put("ShiftEnd", g.ShiftEnd)
        .Put("ShiftTarget", g.ShiftTarget)
        .Put("EndRequested", g.EndRequested)
        .Put("TrainsInArea", g.TrainsInArea)
        .Put("YardTimer", g.YardTimer)
        .Put("YardClear", g.YardClear)
        .Put("YardTrain", g.YardTrain)
        .Put("LearningMode", g.LearningMode)
        .Put("MessageIndex", g.MessageIndex)
        .Put("LogWrites", g.LogWrites)
        .Put("ScoreLogging", g.ScoreLogging)
        .Put("WaitOnError", g.WaitOnError)
        .Put("SoundOn", g.SoundOn)
        .Put("AutoSave", g.AutoSave)
        .Put("AutoBlockInstruments", g.AutoBlockInstruments)
        .Put("RequireCallAttention", g.RequireCallAttention)
        .Put("RulesWR", g.Rules == RuleBook::WR)
        .Put("RulesLMR", g.Rules == RuleBook::LMR)
        .Put("TrainCount", g.TrainCount)
        .Put("SectCount", g.SectCount)
        .Put("EngineCount", g.EngineCount)
        .Put("StartScreen", g.StartScreen)
        .Put("SessionRunning", g.SessionRunning)
        .Put("SessionOver", g.SessionOver)
        .Text();
}

std::string FormatStatusRecord(const GameState& g) {
    StatusTexts status = ComputeStatus(g);
    return RecordLine("status")
        .Put("Time", status.Time)
        .Put("Speed", status.Speed)
        .Put("Fast", status.Fast)
        .Put("PointsCaption", status.PointsCaption)
        .Put("PointsValue", status.PointsValue)
        .Text();
}

}  // namespace kv41
