#pragma once
// The information windows' contents, built afresh each time they are asked for.
#include "platform/platform.h"

namespace kv41 {

struct GameState;

InfoWindow BuildHeldWindow(const GameState& g);
InfoWindow BuildRegisterWindow(const GameState& g);
InfoWindow BuildWttWindow(const GameState& g);
InfoWindow BuildApproachingWindow(const GameState& g);

}  // namespace kv41
