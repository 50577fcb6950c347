#pragma once
// The clickable regions of the panel and the action codes they give.
namespace kv41 {

struct GameState;

void BuildClickRegions(GameState& g);
// The action code of a click on a panel cell; 0 for none.
int HitTest(const GameState& g, int column, int row);

}  // namespace kv41
