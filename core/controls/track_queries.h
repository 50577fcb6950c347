#pragma once
// Small questions about the frame and the track circuits, asked by the controls and by the
// rules the running trains meet.
#include <initializer_list>
#include <utility>

#include "game_state.h"

namespace kv41 {

inline bool IsReversed(const GameState& g, int lever) {
    return lever >= 1 && lever <= LeverCount && g.LeverNormal[lever] == 0;
}

inline bool IsNormal(const GameState& g, int lever) {
    return !IsReversed(g, lever);
}

inline bool Occupied(const GameState& g, int section) {
    return section >= 1 && section <= MaxSections && g.SectTrain[section] != 0;
}

inline bool AnyOccupied(const GameState& g, std::initializer_list<int> sections) {
    for (int section : sections)
        if (Occupied(g, section)) return true;
    return false;
}

// Every link from -> to of the list is set in SectNext.
inline bool RouteSet(const GameState& g, std::initializer_list<std::pair<int, int>> links) {
    for (auto [from, to] : links)
        if (g.SectNext[from] != to) return false;
    return true;
}

inline int OutgoingBlock(const GameState& g, int box) {
    return g.BoxBlock[box][0];
}

inline int IncomingBlock(const GameState& g, int box) {
    return g.BoxBlock[box][1];
}

}  // namespace kv41
