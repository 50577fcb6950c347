#pragma once
// The trains of the day and their engines: building the rows, bringing them up to a shift.
#include <array>
#include <string_view>

namespace kv41 {

struct GameState;

// The rows that run only at Hard and Very hard: a trip from Llanwerdy Rd into the exchange
// sidings and the trip it makes out again, and a light engine that takes a freight out.
constexpr std::array<int, 4> HardOnlyTrains{101, 106, 147, 148};
constexpr int HardDifficulty = 20;

// Lateness in minutes for a new train of this class, drawn from the game's generator.
int RandomLateness(GameState& g, int trainClass);
void AddTrain(GameState& g, int hour, int minute, int fromLine, int toLine, int engine,
              int nextWorking, int length, std::string_view origin, std::string_view destination,
              int trainClass);
void CancelTrain(GameState& g, int row);
// A row that is no train at all ("spare"): never moved, shown or counted.
bool IsBlankRow(const GameState& g, int row);
void PickEngine(GameState& g, std::array<std::string_view, 4> candidates);
void PickEngineInRange(GameState& g, std::string_view prefix, int base, int span);
void BuildEngines(GameState& g);
void BuildTimetable(GameState& g);
// The trains that run only at Hard and Very hard are cancelled below that difficulty.
void ApplyDifficultyToTimetable(GameState& g);
// Readies the timetable for the shift: trains run before its start are finished with, their
// engines handed on, and trains on one line kept a headway apart. Returns the train for which
// no engine can be found (the timetable is then unusable), or 0.
int PrepareTimetable(GameState& g);

}  // namespace kv41
