#include "field_registry.h"

#include <algorithm>
#include <array>
#include <type_traits>
#include <vector>

#include "command_words.h"
#include "game_state.h"

namespace kv41 {

namespace {

// Values wide enough for any time, count or score the game produces, yet far from overflow.
constexpr ValueRange AnyNumber{-1000000, 1000000};
constexpr ValueRange Flag{0, 1};
constexpr ValueRange Byte{0, 255};
constexpr ValueRange BellCode{0, 26};
constexpr ValueRange Instrument{0, 2};  // 0 Train On Line, 1 Line Clear, 2 Line Blocked
constexpr ValueRange TrainRef{0, 0, Span::Train};
constexpr ValueRange SectionRef{0, 0, Span::Section};

FieldSlot SlotOf(int32_t& field) {
    return &field;
}
FieldSlot SlotOf(uint8_t& field) {
    return &field;
}
FieldSlot SlotOf(bool& field) {
    return &field;
}
template <std::size_t C>
FieldSlot SlotOf(BoundedText<C>& field) {
    return TextSlot{C, [&field](std::string_view text) { field = text; }};
}

// A single value of the game, e.g. ClockNow.
template <typename C, typename T>
FieldEntry Scalar(std::string_view name, T C::*member, ValueRange values) {
    static_assert(std::is_base_of_v<C, GameState>);
    return {name,
            Span::None,
            0,
            -1,
            0,
            values,
            [member](GameState& g, int, int) { return SlotOf(g.*member); }};
}

// One value per row, e.g. SectTrain[section].
template <typename C, typename T, std::size_t N>
FieldEntry Column(std::string_view name, std::array<T, N> C::*member, Span index,
                  ValueRange values) {
    static_assert(std::is_base_of_v<C, GameState>);
    return {name, index, 0, -1, 0, values, [member](GameState& g, int i, int) {
                return SlotOf((g.*member)[i]);
            }};
}

// A small array per row, e.g. TrainTimes[train][1..6].
template <typename C, typename T, std::size_t K, std::size_t N>
FieldEntry Grid(std::string_view name, std::array<std::array<T, K>, N> C::*member, Span index,
                int first2, int last2, int offset2, ValueRange values) {
    static_assert(std::is_base_of_v<C, GameState>);
    return {
        name, index, first2, last2, offset2, values, [member, offset2](GameState& g, int i, int j) {
            return SlotOf((g.*member)[i][static_cast<std::size_t>(j - offset2)]);
        }};
}

const std::vector<FieldEntry>& Registry() {
    static const std::vector<FieldEntry> entries = {
        // Clock, score and the shift.
        Scalar("ClockNow", &GameState::ClockNow, AnyNumber),
        Scalar("MinuteTick", &GameState::MinuteTick,
               {1, 10}),  // a minute ends as the count passes 1: 0 would stop the clock
        Scalar("TickSeconds", &GameState::TickSeconds, {1, 3600}),
        Scalar("FastMode", &GameState::FastMode, Flag),
        Scalar("QuietTicks", &GameState::QuietTicks, AnyNumber),
        Scalar("Points", &GameState::Points, AnyNumber),
        Scalar("OpeningPoints", &GameState::OpeningPoints, AnyNumber),
        Scalar("Difficulty", &GameState::Difficulty, {0, 1000}),
        Scalar("DifficultyName", &GameState::DifficultyName, {}),
        Scalar("ShiftNumber", &GameState::ShiftNumber, {0, 5}),
        Scalar("ShiftName", &GameState::ShiftName, {}),
        Scalar("ShiftStart", &GameState::ShiftStart, AnyNumber),
        Scalar("ShiftEnd", &GameState::ShiftEnd, AnyNumber),
        Scalar("ShiftTarget", &GameState::ShiftTarget, AnyNumber),
        Scalar("EndRequested", &GameState::EndRequested, Flag),
        // The date a saved position names its program by (a replay gives the recorder's).
        Scalar("ProgramDate", &GameState::ProgramDate, {}),
        // Running, the yard, messages, the log and the options.
        Scalar("TrainsInArea", &GameState::TrainsInArea, AnyNumber),
        Scalar("YardTimer", &GameState::YardTimer, AnyNumber),
        Scalar("YardClear", &GameState::YardClear, Flag),
        Scalar("YardTrain", &GameState::YardTrain, TrainRef),
        Scalar("LearningMode", &GameState::LearningMode, Flag),
        Scalar("MessageIndex", &GameState::MessageIndex, {1, MessageSlots}),
        Scalar("LogWrites", &GameState::LogWrites, {0, 1000000}),
        Scalar("ScoreLogging", &GameState::ScoreLogging, Flag),
        Scalar("WaitOnError", &GameState::WaitOnError, Flag),
        Scalar("SoundOn", &GameState::SoundOn, Flag),
        Scalar("AutoSave", &GameState::AutoSave, Flag),
        Scalar("AutoBlockInstruments", &GameState::AutoBlockInstruments, Flag),
        Scalar("RequireCallAttention", &GameState::RequireCallAttention, Flag),
        Scalar("RulesWR", &GameState::RulesWR, Flag),
        Scalar("RulesLMR", &GameState::RulesLMR, Flag),
        Column("MessageTime", &GameState::MessageTime, Span::Message, AnyNumber),
        Column("MessageText", &GameState::MessageText, Span::Message, {}),
        // Sections, levers, lines.
        Column("SectTrain", &GameState::SectTrain, Span::Section, TrainRef),
        Column("SectNext", &GameState::SectNext, Span::Section, {-BoxCount, 0, Span::Section}),
        Column("SectBehind", &GameState::SectBehind, Span::Section, SectionRef),
        Column("SectLimit", &GameState::SectLimit, Span::Section, {0, 1000}),
        Column("LeverNormal", &GameState::LeverNormal, Span::Lever, Flag),
        Column("LineLastTime", &GameState::LineLastTime, Span::Line, AnyNumber),
        Grid("LineTrains", &GameState::LineTrains, Span::Line, 0, 3, 0, TrainRef),
        // Trains and engines.
        Column("TrainDue", &GameState::TrainDue, Span::Train, AnyNumber),
        Column("TrainLate", &GameState::TrainLate, Span::Train, AnyNumber),
        Column("TrainEngine", &GameState::TrainEngine, Span::Train,
               {0, 0, Span::Engine, EngineUnknown}),
        Column("TrainSect", &GameState::TrainSect, Span::Train, SectionRef),
        Column("TrainSpeed", &GameState::TrainSpeed, Span::Train, {0, 1000}),
        Column("TrainToGo", &GameState::TrainToGo, Span::Train, AnyNumber),
        Column("TrainState", &GameState::TrainState, Span::Train, {TrainBlank, TrainGone}),
        Grid("TrainTimes", &GameState::TrainTimes, Span::Train, 1, 6, 0, AnyNumber),
        Column("TrainWait", &GameState::TrainWait, Span::Train, AnyNumber),
        Column("EngineNumber", &GameState::EngineNumber, Span::Engine, {}),
        // The neighbouring boxes' block working.
        Grid("BoxBlock", &GameState::BoxBlock, Span::Box, 1, 2, 1, Instrument),
        Column("BoxBellShown", &GameState::BoxBellShown, Span::Box, BellCode),
        Column("BoxBellSent", &GameState::BoxBellSent, Span::Box, BellCode),
        Column("BoxBellAnswered", &GameState::BoxBellAnswered, Span::Box, Byte),
        Column("BoxRingPending", &GameState::BoxRingPending, Span::Box, BellCode),
        Column("BoxLastRingTime", &GameState::BoxLastRingTime, Span::Box, AnyNumber),
        Column("BoxOfferedTrain", &GameState::BoxOfferedTrain, Span::Box, TrainRef),
        Column("BoxAttending", &GameState::BoxAttending, Span::Box, Byte),
        Column("BoxAwaitingAttn", &GameState::BoxAwaitingAttn, Span::Box, Byte),
        Column("BoxHeldCode", &GameState::BoxHeldCode, Span::Box, BellCode),
        Column("BoxAttnAnswered", &GameState::BoxAttnAnswered, Span::Box, Byte),
        Column("BoxAcceptedCode", &GameState::BoxAcceptedCode, Span::Box, BellCode),
        Column("BoxTrain", &GameState::BoxTrain, Span::Box, TrainRef),
        Column("BoxLineClearTime", &GameState::BoxLineClearTime, Span::Box, AnyNumber),
        Column("BoxTesTime", &GameState::BoxTesTime, Span::Box, AnyNumber),
        Column("BoxTrainGone", &GameState::BoxTrainGone, Span::Box, Byte),
        Column("BoxShuntForward", &GameState::BoxShuntForward, Span::Box, Byte),
        Column("BoxBlockedBack", &GameState::BoxBlockedBack, Span::Box, Byte),
        Column("BoxWarningGiven", &GameState::BoxWarningGiven, Span::Box, Byte),
        Column("BoxToosTrain", &GameState::BoxToosTrain, Span::Box, TrainRef),
        Column("BoxToosDeadline", &GameState::BoxToosDeadline, Span::Box, AnyNumber),
    };
    return entries;
}

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
    long long hi = range.UpTo == Span::None ? range.Hi : SpanCount(g, range.UpTo);
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

int SpanCount(const GameState& g, Span span) {
    switch (span) {
    case Span::Section: return std::clamp(g.SectCount, 0, MaxSections);
    case Span::Lever: return LeverCount;
    case Span::Line: return LineCount;
    case Span::Box: return BoxCount;
    case Span::Train: return std::clamp(g.TrainCount, 0, MaxTrains);
    case Span::Engine: return std::clamp(g.EngineCount, 0, MaxEngines);
    case Span::Message: return MessageSlots;
    case Span::None: break;
    }
    return 0;
}

const FieldEntry* FindField(std::string_view name) {
    for (const FieldEntry& entry : Registry()) {
        if (entry.Name == name) return &entry;
    }
    return nullptr;
}

void SetField(GameState& g, std::string_view arguments) {
    CommandWords words(arguments);
    std::string name = words.Word("field name");
    const FieldEntry* entry = FindField(name);
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
    if (auto* number = std::get_if<int32_t*>(&slot)) **number = static_cast<int32_t>(value);
    if (auto* byte = std::get_if<uint8_t*>(&slot)) **byte = static_cast<uint8_t>(value);
    if (auto* flag = std::get_if<bool*>(&slot)) **flag = value != 0;
}

}  // namespace kv41
