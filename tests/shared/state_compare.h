#pragma once
// Compares two games in every value that a position file carries, table by table, without
// writing either out: the tests and the fuzzer use it to tell whether a load changed a game.
#include <string>

#include "game_state.h"
#include "session/position_fields.h"

namespace kv41::testing {

// The name of the first value that differs ("" when none does).
inline std::string FirstDifference(const GameState& a, const GameState& b) {
    if (a.Points != b.Points) return "Points";
    if (a.Difficulty != b.Difficulty) return "Difficulty";
    if (a.TrainCount != b.TrainCount) return "TrainCount";
    if (a.EngineCount != b.EngineCount) return "EngineCount";
    for (const PositionLine& line : PositionLayout()) {
        const int rows = line.Rows == Span::None ? 1 : SpanCount(a, line.Rows);
        for (int row = 1; row <= rows; ++row) {
            const int index = line.Rows == Span::None ? 0 : row;
            for (const PositionItem& item : line.Items) {
                const GameField& field = *item.Field;
                const bool same = field.Text
                                      ? FieldText(a, field, index) == FieldText(b, field, index)
                                      : FieldValue(a, field, index, item.Index2) ==
                                            FieldValue(b, field, index, item.Index2);
                if (!same) return std::string(field.Name);
            }
        }
    }
    return "";
}

}  // namespace kv41::testing
