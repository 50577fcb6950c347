#pragma once
// The console's "set" command: changes a run-time field by the game's own name (GameFields:
// every field a saved position carries and the other run-time values of the game record).
// Each field knows its index ranges and the values it may take, so that no value that the
// game could not hold (or would index a table with beyond its end) ever reaches the state.
#include <string_view>

#include "session/position_fields.h"

namespace kv41 {

// Parses and applies "set FIELD [INDEX [INDEX2]] VALUE" (the words after "set"); throws
// CommandRefused, changing nothing, when any part is missing, unknown or out of range.
void SetField(GameState& g, std::string_view arguments);

}  // namespace kv41
