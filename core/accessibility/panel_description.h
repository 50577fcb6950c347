#pragma once
// The panel in words, for a screen reader: its parts (each lever, each neighbouring box, the
// track circuits, the status bar and the message line) with their names and states, and the
// words in which each message of the game is announced. Front ends only expose these texts
// through their platform's accessibility interface.
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kv41 {

struct GameState;

enum class PartRole { Lever, Box, TrackCircuits, Status, MessageLine };

struct PanelPart {
    PartRole Role = PartRole::Lever;
    int Index = 0;      // the lever or the box; 0 for the others
    std::string Name;   // "Lever 21, North Crossover"
    std::string State;  // "Normal, free"
    // Where it stands on the panel, in cells (1-based), for the reader's highlight.
    int Column = 1, Row = 1, Columns = 1, Rows = 1;
    bool Selected = false;  // the keyboard's selection
};

// Every part in a fixed order: the levers of the frame (gaps left out), the four boxes, the
// track circuits, the status bar, the message line. The count never changes during a run.
std::vector<PanelPart> DescribePanel(const GameState& g);
// The state of one lever: "Normal" or "Reversed", then "free" or "locked" by the locking of
// the frame as it stands; "spare" for a spare lever.
std::string LeverState(const GameState& g, int lever);
// How a reported event is announced ("" for what is not: sounds, questions a box asks itself).
std::string Announcement(const GameState& g, Output kind, const std::string& text);

}  // namespace kv41
