#pragma once
// What a signal lever does to the running model: the train check made before it clears, the
// route it sets when reversed (next sections and speed limits), and the stop it puts back when
// restored.
namespace kv41 {

struct GameState;

enum class TrainCheck {
    Pass,              // the lever clears and sets its route
    Refused,           // the wrong train stands at the signal: the lever stays
    MovesWithoutRoute  // the wrong train, but the lever still moves (and sets no route)
};

// The check of the train that will use the route of `lever`; a refusal costs 10 points and,
// for the signals a driver stands at, the engine whistles.
TrainCheck CheckTrainForLever(GameState& g, int lever);

// The same check asked quietly: would the signal refuse the train it would be cleared for?
bool TrainCheckRefuses(const GameState& g, int lever);

// Writes the route of a reversed lever into SectNext and SectLimit (levers without a route
// change nothing).
void SetRoute(GameState& g, int lever);

// The section at whose end a stop signal stands (the first section of its route); 0 for
// levers that are not stop signals.
int SignalSection(int lever);

// A stop signal put back to danger: the first section of its route gets limit 0.
void ClearRoute(GameState& g, int lever);

// The train that lever 30 would start from the exchange sidings and down sidings (sections 18,
// 19, 20): the one due first, if its time has come; 0 if none. `section` receives its section.
int DepartingYardTrain(const GameState& g, int* section = nullptr);

}  // namespace kv41
