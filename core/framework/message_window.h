#pragma once
// The recent-messages window's contents.
#include "platform/platform.h"

namespace kv41 {

struct GameState;

InfoWindow BuildMessagesWindow(const GameState& g);

}  // namespace kv41
