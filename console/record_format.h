#pragma once
// The console's "show" records: one line a table row, "kind index Field=value ...", with the
// game's own field names, strings in double quotes and arrays comma-separated.
#include <array>
#include <concepts>
#include <string>
#include <string_view>

namespace kv41 {

struct GameState;

class RecordLine {
public:
    explicit RecordLine(std::string_view kind) : text_(kind) {}
    RecordLine(std::string_view kind, int index);

    template <std::integral T>
    RecordLine& Put(std::string_view name, T value) {
        return PutRaw(name, std::to_string(static_cast<long long>(value)));
    }
    RecordLine& Put(std::string_view name, const std::string& text);
    // Elements first..N-1 of an array, comma-separated.
    template <std::integral T, std::size_t N>
    RecordLine& PutList(std::string_view name, const std::array<T, N>& values,
                        std::size_t first = 0) {
        std::string list;
        for (std::size_t i = first; i < N; ++i) {
            if (i > first) list += ',';
            list += std::to_string(static_cast<long long>(values[i]));
        }
        return PutRaw(name, list);
    }
    const std::string& Text() const { return text_; }

private:
    RecordLine& PutRaw(std::string_view name, const std::string& value);
    std::string text_;
};

// A text in double quotes, with " written \".
std::string QuoteText(std::string_view text);

// The kinds that take an index ("section", "lever", "line", "box", "train", "engine",
// "message"): how many rows the table has now, and one row's record.
struct RecordKind {
    std::string_view Name;
    int (*RowCount)(const GameState& g);
    std::string (*Format)(const GameState& g, int index);
};
const RecordKind* FindRecordKind(std::string_view name);

std::string FormatGameRecord(const GameState& g);
std::string FormatStatusRecord(const GameState& g);

}  // namespace kv41
