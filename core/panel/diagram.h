#pragma once
// The track diagram: lines, brackets, signal posts, names, lever labels, the box, the platforms
// and the track-circuit lamps.
namespace kv41 {

struct GameState;

// Everything of the diagram that does not move, then its lamps. The signals and points
// indicators are the levers' own (DrawLever).
void DrawDiagram(GameState& g);
// The post of signal lever n, on the side from which its trains come.
void DrawSignalPost(GameState& g, int lever);
// All 44 sections' lamps: yellow while a train holds the section, black when clear.
void DrawTrackLamps(GameState& g);
// Only the lamps of sections whose occupation changed since they were last drawn.
void RefreshTrackLamps(GameState& g);

}  // namespace kv41
