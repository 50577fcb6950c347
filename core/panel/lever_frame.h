#pragma once
// The lever frame under the diagram, and each lever's signal arm, disc or points indicator on
// the diagram.
namespace kv41 {

struct GameState;

// The frame's background, the lever numbers and every lever.
void DrawLeverFrame(GameState& g);
// Lever n in its slot, upper half when normal, lower half when reversed, and its symbol on the
// diagram. A gap in the frame draws nothing.
void DrawLever(GameState& g, int lever);
// The lever awaiting its confirming click, framed in its slot (marked), or drawn plain again.
void MarkLever(GameState& g, int lever, bool marked);
// Only the levers that have moved since they were last drawn.
void RefreshLevers(GameState& g);

}  // namespace kv41
