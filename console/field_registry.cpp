#include "field_registry.h"

#include <algorithm>

#include "command_words.h"
#include "game_state.h"

namespace kv41 {

namespace {

std::string_view SpanName(Span span) {
    switch (span) {
    case Span::Section: return "section";
    case Span::Lever: return "lever";
    case Span::Line: return "line";
    case Span::Box: return "box";
    case Span::Train: return "train";
    case Span::Engine: return "engine";
    case Span::Message: return "message slot";
    case Span::None: break;
    }
    return "index";
}

long long ReadValue(CommandWords& words, const GameState& g, const ValueRange& range) {
    long long hi = range.Highest(g);
    std::string word = words.Word("value");
    auto value = ParseWholeNumber(word);
    if (!value) throw CommandRefused{"value must be a whole number, not " + word};
    if (range.Extra && *value == *range.Extra) return *value;
    if (*value < range.Lo || *value > hi) {
        std::string allowed = std::to_string(range.Lo) + ".." + std::to_string(hi);
        if (range.Extra) allowed += " or " + std::to_string(*range.Extra);
        throw CommandRefused{"value must be " + allowed + ", not " + word};
    }
    return *value;
}

}  // namespace

void SetField(GameState& g, std::string_view arguments) {
    CommandWords words(arguments);
    std::string name = words.Word("field name");
    const GameField* entry = FindField(name);
    if (!entry) throw CommandRefused{"no field " + name + " can be set"};
    int index = 0, index2 = 0;
    if (entry->Index != Span::None) {
        int count = SpanCount(g, entry->Index);
        if (count < 1) throw CommandRefused{"there is no " + std::string(SpanName(entry->Index))};
        index = static_cast<int>(words.Number(SpanName(entry->Index), 1, count));
    }
    if (entry->HasSecondIndex()) {
        index2 = static_cast<int>(words.Number("element", entry->First2, entry->Last2));
    }
    FieldSlot slot = entry->Slot(g, index, index2);
    if (auto* text = std::get_if<TextSlot>(&slot)) {
        std::string value = words.Text("value");
        words.End();
        if (value.size() > text->Capacity) {
            throw CommandRefused{name + " holds at most " + std::to_string(text->Capacity) +
                                 " characters"};
        }
        text->Assign(value);
        return;
    }
    long long value = ReadValue(words, g, entry->Values);
    words.End();
    SetFieldValue(g, *entry, index, index2, value);
}

}  // namespace kv41
