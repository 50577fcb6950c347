#pragma once
// The clickable regions of the panel and the action codes they give.
namespace kv41 {

struct GameState;

// Action codes of the panel's regions and of the letter keys.
enum ActionCodes : int {
    ActionNone = 0,
    ActionLeverFrame = 1,
    ActionTapperFirst = 71,  // 70 + box
    ActionTapperLast = 74,
    ActionBoxNameFirst = 81,  // 80 + box
    ActionBoxNameLast = 84,
    ActionInstrumentFirst = 91,  // 90 + box; there is none for box 2
    ActionInstrumentLast = 94,
    ActionHeld = 101,
    ActionRegister = 102,
    ActionTrains = 103,
    ActionWtt = 104,
    ActionMessages = 105,
    ActionLearning = 106,
    ActionQuit = 107,
    ActionKeys = 108  // the key list window (key K)
};

struct PanelCell {
    int Column = 0, Row = 0;  // 0, 0: there is no such cell
};

void BuildClickRegions(GameState& g);
// The action code of a click on a panel cell: the last region of set 1 holding it, else 0.
int HitTest(const GameState& g, int column, int row);

// Cells that give a box's actions, for those who click by name (the console): the name heading,
// the bell plunger, and the commutator of the incoming instrument (none for box 2).
PanelCell BoxNameCell(int box);
PanelCell TapperCell(int box);
PanelCell InstrumentHandleCell(int box);
// The cell of a lever in the frame (lever n stands in column n + 1).
PanelCell LeverCell(int lever);

}  // namespace kv41
