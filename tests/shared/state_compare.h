#pragma once
// Compares two games in every value that a position file carries, table by table, without
// writing either out: the tests and the fuzzer use it to tell whether a load changed a game.
#include <string>

#include "game_state.h"

namespace kv41::testing {

// The name of the first value that differs ("" when none does).
inline std::string FirstDifference(const GameState& a, const GameState& b) {
#define KV41_SAME(field) \
    if (!(a.field == b.field)) return #field
    KV41_SAME(Points);
    KV41_SAME(ClockNow);
    KV41_SAME(MinuteTick);
    KV41_SAME(OpeningPoints);
    KV41_SAME(MessageIndex);
    KV41_SAME(TrainsInArea);
    KV41_SAME(LogWrites);
    KV41_SAME(ScoreLogging);
    KV41_SAME(TickSeconds);
    KV41_SAME(ShiftStart);
    KV41_SAME(ShiftEnd);
    KV41_SAME(ShiftNumber);
    KV41_SAME(ShiftTarget);
    KV41_SAME(ShiftName);
    KV41_SAME(DifficultyName);
    KV41_SAME(Difficulty);
    KV41_SAME(LineTrains);
    KV41_SAME(LineLastTime);
    KV41_SAME(TrainCount);
    KV41_SAME(TrainDue);
    KV41_SAME(TrainLate);
    KV41_SAME(TrainEngine);
    KV41_SAME(TrainSect);
    KV41_SAME(TrainSpeed);
    KV41_SAME(TrainToGo);
    KV41_SAME(TrainState);
    KV41_SAME(TrainTimes);
    KV41_SAME(TrainWait);
    KV41_SAME(SectTrain);
    KV41_SAME(SectNext);
    KV41_SAME(SectBehind);
    KV41_SAME(SectLimit);
    KV41_SAME(LeverNormal);
    KV41_SAME(BoxBlock);
    KV41_SAME(BoxBellShown);
    KV41_SAME(BoxBellSent);
    KV41_SAME(BoxBellAnswered);
    KV41_SAME(BoxOfferedTrain);
    KV41_SAME(BoxWarningGiven);
    KV41_SAME(BoxShuntForward);
    KV41_SAME(BoxBlockedBack);
    KV41_SAME(BoxTrainGone);
    KV41_SAME(BoxTrain);
    KV41_SAME(BoxLineClearTime);
    KV41_SAME(BoxTesTime);
    KV41_SAME(BoxAcceptedCode);
    KV41_SAME(BoxToosTrain);
    KV41_SAME(BoxToosDeadline);
    KV41_SAME(EngineCount);
    KV41_SAME(EngineNumber);
    KV41_SAME(MessageTime);
    KV41_SAME(MessageText);
    KV41_SAME(YardTimer);
    KV41_SAME(YardTrain);
    KV41_SAME(YardClear);
    KV41_SAME(AutoSave);
    KV41_SAME(AutoBlockInstruments);
    KV41_SAME(RequireCallAttention);
    KV41_SAME(RulesLMR);
    KV41_SAME(RulesWR);
#undef KV41_SAME
    return "";
}

}  // namespace kv41::testing
