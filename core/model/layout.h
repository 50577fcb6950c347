#pragma once
// The builder of the one layout the game knows: sections, levers and locking, lines, boxes.
#include <array>
#include <string_view>

namespace kv41 {

struct GameState;

void AddSection(GameState& g, std::string_view name, int length, int next, int limit);
void AddLever(GameState& g, int number, int kind, int x, int y, int side, std::string_view name);
void SetPullLock(GameState& g, int lever, std::array<int, 6> entries);
void SetRestoreLock(GameState& g, int lever, std::array<int, 6> entries);
void SetPullTrack(GameState& g, int lever, std::array<int, 2> entries);
void AddLine(GameState& g, int number, int headway, std::string_view code);
void AddBox(GameState& g, int number, int entrySection, std::array<int, 3> leadA,
            std::string_view name);
void SetBoxLeadB(GameState& g, int number, std::array<int, 3> leadB);
// Sections, levers, lines and boxes in their fixed order, then the timetable.
void BuildLayout(GameState& g);

}  // namespace kv41
