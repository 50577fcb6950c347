#pragma once
// The neighbouring boxes' automatic working: each box takes the trains of its line and offers
// them, rings train entering section as they come into our area, answers every bell the
// signalman sends it, and sends train out of section once our train has passed into its
// section. The simulation step calls the steps below at fixed places in its order.
namespace kv41 {

struct GameState;

// The box whose turn it is on this tick: (MinuteTick mod 4) + 1, so each box answers and
// offers at most once every four ticks.
int BoxTurn(const GameState& g);

// Step A, every tick: lines 1, 2, 4, 5 in that order hand their next train to their box once
// its offer time has come, the exit line's headway has run and the box holds no other train.
void OfferFromLines(GameState& g);

// Step B, every tick, boxes 1..4: an answered bell is taken off the box's indicator.
void ShowBells(GameState& g);

// Step C, box = BoxTurn only: the box answers the code the signalman sent it.
void AnswerPlayerBell(GameState& g, int box);

// Step D, box = BoxTurn only: the box offers the train it holds (call attention first when
// RequireCallAttention is on).
void OfferPendingTrain(GameState& g, int box);

// Step E, every tick, boxes 1..4: an accepted train whose time has come enters our area at
// BoxEntrySect and the box rings train entering section.
void EnterTrainsFromBoxes(GameState& g);

// Step F, every tick, boxes 1..4: train out of section from a box ahead for our train that has
// passed into its section.
void SendTrainsOutOfSection(GameState& g);

// Step G, once a minute after ClockNow has advanced, slots 1..4: train out of section to the
// box in rear not sent by its deadline costs a point.
void CheckToosDeadlines(GameState& g);

// Box `box` rings `code` to the signalman (at most once a minute for the same code): shows it,
// sounds it on the box's bell and reports "<box> <beats>" to the transcript.
void RingBell(GameState& g, int box, int code);

// After LineTrains[line][0] has entered the area: find the next train of its group on the line,
// then ChooseNextOnLine.
void AdvanceLine(GameState& g, int line);

// Picks the next train to be offered on a line (earliest of the group heads below 1441),
// keeps it and the other heads spaced by the line's headway, and gives delay reports.
void ChooseNextOnLine(GameState& g, int line);

// The signalman's train `train` has reached the last section before box `box`: the box's held
// line clear and train entering section times become its register times 4 and 5.
void IdentifyTrainToBox(GameState& g, int box, int train);

}  // namespace kv41
