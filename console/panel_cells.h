#pragma once
// Where on the panel the console's commands click: the cells of the lever frame, the boxes'
// name headings, bell plungers and commutators. One place for all of them, matching the
// panel's click regions.
namespace kv41::panel_cells {

// Lever n stands in column n + 1 of the frame; the console clicks it on this row.
constexpr int LeverColumn(int lever) {
    return lever + 1;
}
constexpr int LeverRow = 27;

// Each box's name heading spans 18 columns of row 13, box 1 from column 1.
constexpr int HeadingColumn(int box) {
    return 18 * (box - 1) + 1;
}
constexpr int HeadingRow = 13;

// The bell plungers: three columns at 15, 33, 51, 69, rows 19 and 20.
constexpr int TapperColumn(int box) {
    return 18 * (box - 1) + 15;
}
constexpr int TapperRow = 19;

// The commutators of the incoming instruments of boxes 1, 3 and 4 (box 2 has none): two
// columns at 9, 45, 63, rows 19 and 20.
constexpr bool HasCommutator(int box) {
    return box == 1 || box == 3 || box == 4;
}
constexpr int CommutatorColumn(int box) {
    return 18 * (box - 1) + 9;
}
constexpr int CommutatorRow = 19;

// A cell outside every click region, which ends a tapped code.
constexpr int NeutralColumn = 100;
constexpr int NeutralRow = 1;

}  // namespace kv41::panel_cells
