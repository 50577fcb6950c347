#pragma once
// The signalman's next move told to the player: what to do, on what, for which train and why,
// in the railway's plain words. The console's `hint` keeps the command form for scripts.
#include <string>

#include "signalman/signalman.h"

namespace kv41 {

struct GameState;

std::string PlayerHint(const GameState& g, const SignalmanMove& move);

// The text with the box's shorthand written out (FPL, TES...), whole words only.
std::string PlainWords(std::string text);

}  // namespace kv41
