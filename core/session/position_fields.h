#pragma once
// The game's run-time fields by name, with the values each may hold, and the layout of the saved
// position: which of them a position file carries, line by line, and how wide each is written.
// The writer, the reader, the console's "set" and the tests' comparison of two games all work
// from this one description, so that a value one of them allows the others take too.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kv41 {

struct GameState;
enum class RuleBook : uint8_t;

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

    long long Highest(const GameState& g) const;
    bool Allows(const GameState& g, long long value) const;
};

struct TextSlot {
    std::size_t Capacity = 0;
    std::function<std::string_view()> Get;
    std::function<void(std::string_view)> Assign;
};
// One of the two flags a position keeps the rule book by: it reads 1 while the game works by
// Book; set to 1 it chooses Book, set to 0 it takes Book back to the standard rules.
struct RuleFlag {
    RuleBook* Rules = nullptr;
    RuleBook Book{};
};
using FieldSlot = std::variant<int32_t*, uint8_t*, bool*, RuleFlag, TextSlot>;

struct GameField {
    std::string_view Name;
    Span Index = Span::None;  // the first index, when the field is a table
    // The second index of an array field as the game counts it (First2..Last2), and the
    // storage element it names: INDEX2 - Offset2.
    int First2 = 0, Last2 = -1, Offset2 = 0;
    ValueRange Values;  // none for a text
    std::function<FieldSlot(GameState&, int, int)> Slot;
    bool Text = false;

    bool HasSecondIndex() const { return Last2 >= First2; }
};

// Every field the console may set: all that a position carries, and the other run-time values
// that a replay's start or a scenario sets up or its end is checked against.
const std::vector<GameField>& GameFields();
const GameField* FindField(std::string_view name);

// A number, or a text (to the end of its line), at its place in a position file.
struct PositionItem {
    const GameField* Field = nullptr;
    int Index2 = 0;  // the element, for a field with a second index
    int Width = 0;   // a number is right-aligned in this many characters
};
// One line per row of Rows (one line only for Span::None).
struct PositionLine {
    Span Rows = Span::None;
    std::vector<PositionItem> Items;
};
// The position file after its first two lines (the points and program date, the identity).
const std::vector<PositionLine>& PositionLayout();

// A number field's value (a text reads 0).
long long FieldValue(const GameState& g, const GameField& field, int index, int index2);
// Sets a number field; the caller has checked the value against the field's range.
void SetFieldValue(GameState& g, const GameField& field, int index, int index2, long long value);
std::string_view FieldText(const GameState& g, const GameField& field, int index);

}  // namespace kv41
