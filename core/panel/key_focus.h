#pragma once
// The mark of the part the keyboard has selected: a bar in the key colour just below the
// lever in the frame, the box's name, its bell plunger or its commutator. It lies on the black
// below the part, apart from the frame drawn round a lever that awaits its confirming click.
#include "panel/click_regions.h"
#include "panel/panel_state.h"

namespace kv41 {

struct GameState;

// The cell that a click on the part falls in.
PanelCell FocusCell(const FocusPart& part);
// Moves the mark to g.KeyFocus (wipes it when nothing is selected).
void DrawKeyFocus(GameState& g);
// The keys on the black beside the frame, where the panel has room for them.
void DrawKeyHints(GameState& g);

}  // namespace kv41
