#pragma once
// The run-time fields that the console's "set" command may change, by the game's own names:
// every field a saved position carries and the other run-time values of the game record.
// Each entry knows its index ranges and the values it may take, so that no value that the
// game could not hold (or would index a table with beyond its end) ever reaches the state.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kv41 {

struct GameState;

// What the indices and reference values count.
enum class Span { None, Section, Lever, Line, Box, Train, Engine, Message };

// How many rows of that kind the game has now (0 for Span::None).
int SpanCount(const GameState& g, Span span);

// Values a field may take: Lo..Hi, where a reference field's upper end is the row count of
// UpTo instead, and Extra is one more value allowed besides (an engine still to be known).
struct ValueRange {
    long long Lo = 0;
    long long Hi = 0;
    Span UpTo = Span::None;
    std::optional<long long> Extra{};
};

struct TextSlot {
    std::size_t Capacity = 0;
    std::function<void(std::string_view)> Assign;
};
using FieldSlot = std::variant<int32_t*, uint8_t*, bool*, TextSlot>;

struct FieldEntry {
    std::string_view Name;
    Span Index = Span::None;  // the first index, when the field is a table
    // The second index of an array field as the game counts it (First2..Last2), and the
    // storage element it names: INDEX2 - Offset2.
    int First2 = 0, Last2 = -1, Offset2 = 0;
    ValueRange Values;
    std::function<FieldSlot(GameState&, int, int)> Slot;

    bool HasSecondIndex() const { return Last2 >= First2; }
};

const FieldEntry* FindField(std::string_view name);

// Parses and applies "set FIELD [INDEX [INDEX2]] VALUE" (the words after "set"); throws
// CommandRefused, changing nothing, when any part is missing, unknown or out of range.
void SetField(GameState& g, std::string_view arguments);

}  // namespace kv41
