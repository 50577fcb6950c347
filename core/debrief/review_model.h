#pragma once
// What the review window shows, whichever front end draws it: the tables of the debrief with
// the signalman's handling beside each delayed train, the two curves of points over the shift on
// one scale, and the order of a table's rows when the player sorts it by a column.
#include <cstddef>
#include <vector>

#include "debrief/debrief.h"
#include "debrief/debrief_text.h"

namespace kv41 {

struct GameState;

struct ReviewChart {
    int Start = 0, End = 0;  // the shift's minutes, left to right
    int Low = 0, High = 0;   // the points, bottom to top: zero and the target always within
    int Target = 0;
    std::vector<int> Hours;  // the whole hours within the shift, for the marks under the chart
    std::vector<CurvePoint> Yours;
    std::vector<CurvePoint> Signalmans;  // empty when he did not play the day
};

struct ReviewModel {
    bool Valid = false;  // false: nothing recorded that can be played again
    ReviewTables Tables;
    ReviewChart Chart;
};

// The review of the session the game is playing or has played, with the signalman's shift
// beside it when withSignalman (the same day played by him out of sight).
ReviewModel ReviewOfSession(const GameState& g, bool withSignalman = true);

// The rows' indexes ordered by a column's sort keys, ties kept in the order the rows were made
// (by time); a column of words by its text.
std::vector<std::size_t> SortedRows(const std::vector<ReviewRow>& rows, int column, bool ascending);

}  // namespace kv41
