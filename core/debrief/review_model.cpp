#include "debrief/review_model.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "debrief/replay_run.h"
#include "game_state.h"
#include "replay/replay_recorder.h"

namespace kv41 {

namespace {

int Key(const ReviewRow& row, int column) {
    return column >= 0 && column < static_cast<int>(row.SortKeys.size())
               ? row.SortKeys[static_cast<std::size_t>(column)]
               : 0;
}

ReviewChart ChartOf(const Debrief& mine, const Debrief* his) {
    ReviewChart chart;
    chart.Start = mine.ShiftStart;
    chart.End = std::max(mine.ShiftEnd, mine.ShiftStart + 1);
    chart.Target = mine.Target;
    chart.Yours = mine.Curve;
    if (his && his->Valid) chart.Signalmans = his->Curve;
    chart.Low = 0;
    chart.High = std::max(1, mine.Target);
    for (const auto* curve : {&chart.Yours, &chart.Signalmans}) {
        for (const CurvePoint& p : *curve) {
            chart.Low = std::min(chart.Low, p.Points);
            chart.High = std::max(chart.High, p.Points);
        }
    }
    for (int hour = (chart.Start + 59) / 60 * 60; hour <= chart.End; hour += 60) {
        chart.Hours.push_back(hour);
    }
    return chart;
}

}  // namespace

ReviewModel ReviewOfSession(const GameState& g, bool withSignalman) {
    ReviewModel model;
    const ReplayRecorder* recorder = SessionRecorder(g);
    if (!recorder) return model;
    const std::string record = recorder->Text();
    const Debrief mine = BuildDebrief(record);
    if (!mine.Valid) return model;
    Debrief his;
    if (withSignalman) his = SignalmansShift(record);
    const Debrief* ghost = his.Valid ? &his : nullptr;
    model.Valid = true;
    model.Tables = ReviewTablesOf(mine, ghost, g);
    model.Chart = ChartOf(mine, ghost);
    return model;
}

std::vector<std::size_t> SortedRows(const std::vector<ReviewRow>& rows, int column,
                                    bool ascending) {
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // A column of words (the messages) has no numbers to go by: it sorts by its text.
    const bool words = std::all_of(
        rows.begin(), rows.end(), [column](const ReviewRow& row) { return Key(row, column) == 0; });
    const auto text = [column](const ReviewRow& row) -> const std::string& {
        static const std::string none;
        return column >= 0 && column < static_cast<int>(row.Cells.size())
                   ? row.Cells[static_cast<std::size_t>(column)]
                   : none;
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (words) return ascending ? text(rows[a]) < text(rows[b]) : text(rows[a]) > text(rows[b]);
        const int ka = Key(rows[a], column), kb = Key(rows[b], column);
        return ascending ? ka < kb : ka > kb;
    });
    return order;
}

}  // namespace kv41
