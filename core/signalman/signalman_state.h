#pragma once
// Whether the automatic signalman works the box, and how many inputs he has given since the
// railway last moved (levers and instrument handles take no time, so that count is bounded).
namespace kv41 {

struct GameState;

struct SignalmanState {
    bool AutoSignalman = false;
    // His turn, asked by the event wait when nothing else is queued: queues his next move and
    // returns true, or false while he waits. Set when he is first switched on.
    bool (*AutoTurn)(GameState& g) = nullptr;
    int SignalmanMovesThisTick = 0;
    int SignalmanTick = -1;  // the step the count belongs to (minute * 10 + tenth)
};

}  // namespace kv41
