#include "session/position_fields.h"

#include <algorithm>
#include <array>
#include <type_traits>

#include "game_state.h"
#include "model/bell_codes.h"

namespace kv41 {

namespace {

// Times run from the evening before a Night shift to the morning after a Marathon.
constexpr ValueRange Time{-1440, 4320};
// Plain quantities (points, lateness, yards, countdowns): far beyond anything a shift makes,
// small enough that the game's sums over them never overflow.
constexpr ValueRange Amount{-1'000'000, 1'000'000};
constexpr ValueRange Flag{0, 1};
constexpr ValueRange Byte{0, 255};
constexpr ValueRange AnyBellCode{0, BellCodeLast};
constexpr ValueRange Instrument{TrainOnLine, LineBlocked};
constexpr ValueRange TrainRef{0, 0, Span::Train};
constexpr ValueRange SectionRef{0, 0, Span::Section};
constexpr ValueRange Text{};

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
    return TextSlot{C, [&field] { return field.view(); },
                    [&field](std::string_view text) { field = text; }};
}

// The rule book as a position keeps it: one flag per book besides the standard one.
GameField RulesFlag(std::string_view name, RuleBook book) {
    return {name, Span::None, 0, -1, 0, Flag, [book](GameState& g, int, int) {
                return FieldSlot(RuleFlag{&g.Rules, book});
            }};
}

// A single value of the game, e.g. ClockNow.
template <typename C, typename T>
GameField Scalar(std::string_view name, T C::*member, ValueRange values) {
    static_assert(std::is_base_of_v<C, GameState>);
    return {name,
            Span::None,
            0,
            -1,
            0,
            values,
            [member](GameState& g, int, int) { return SlotOf(g.*member); },
            !std::is_arithmetic_v<T>};
}

// One value per row, e.g. SectTrain[section].
template <typename C, typename T, std::size_t N>
GameField Column(std::string_view name, std::array<T, N> C::*member, Span index,
                 ValueRange values) {
    static_assert(std::is_base_of_v<C, GameState>);
    return {name,
            index,
            0,
            -1,
            0,
            values,
            [member](GameState& g, int i, int) { return SlotOf((g.*member)[i]); },
            !std::is_arithmetic_v<T>};
}

// A small array per row, e.g. TrainTimes[train][1..6].
template <typename C, typename T, std::size_t K, std::size_t N>
GameField Grid(std::string_view name, std::array<std::array<T, K>, N> C::*member, Span index,
               int first2, int last2, int offset2, ValueRange values) {
    static_assert(std::is_base_of_v<C, GameState>);
    return {name,
            index,
            first2,
            last2,
            offset2,
            values,
            [member, offset2](GameState& g, int i, int j) {
                return SlotOf((g.*member)[i][static_cast<std::size_t>(j - offset2)]);
            },
            !std::is_arithmetic_v<T>};
}

}  // namespace

long long ValueRange::Highest(const GameState& g) const {
    return UpTo == Span::None ? Hi : SpanCount(g, UpTo);
}

bool ValueRange::Allows(const GameState& g, long long value) const {
    return (Extra && value == *Extra) || (value >= Lo && value <= Highest(g));
}

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

const std::vector<GameField>& GameFields() {
    static const std::vector<GameField> fields = {
        // Clock, score and the shift.
        Scalar("ClockNow", &GameState::ClockNow, Time),
        Scalar("MinuteTick", &GameState::MinuteTick, {0, 10}),
        // The speed: at least a second a step; the game itself sets no slowest speed.
        Scalar("TickSeconds", &GameState::TickSeconds, {1, 86400}),
        Scalar("FastMode", &GameState::FastMode, Flag),
        Scalar("QuietTicks", &GameState::QuietTicks, Amount),
        Scalar("Points", &GameState::Points, Amount),
        Scalar("OpeningPoints", &GameState::OpeningPoints, Amount),
        Scalar("Difficulty", &GameState::Difficulty, {0, 1000}),
        Scalar("DifficultyName", &GameState::DifficultyName, Text),
        Scalar("ShiftNumber", &GameState::ShiftNumber, {1, 5}),
        Scalar("ShiftName", &GameState::ShiftName, Text),
        Scalar("ShiftStart", &GameState::ShiftStart, Time),
        Scalar("ShiftEnd", &GameState::ShiftEnd, Time),
        Scalar("ShiftTarget", &GameState::ShiftTarget, Amount),
        Scalar("EndRequested", &GameState::EndRequested, Flag),
        // Not in a position, but in what a replay's end is checked against.
        Scalar("Paused", &GameState::Paused, Flag),
        Scalar("SessionOver", &GameState::SessionOver, Flag),
        // The date a saved position names its program by (a replay gives the recorder's).
        Scalar("ProgramDate", &GameState::ProgramDate, Text),
        // Running, the yard, messages, the log and the options.
        Scalar("TrainsInArea", &GameState::TrainsInArea, TrainRef),
        Scalar("YardTimer", &GameState::YardTimer, Amount),
        Scalar("YardClear", &GameState::YardClear, Flag),
        Scalar("YardTrain", &GameState::YardTrain, TrainRef),
        Scalar("LearningMode", &GameState::LearningMode, Flag),
        Scalar("MessageIndex", &GameState::MessageIndex, {1, MessageSlots}),
        Scalar("LogWrites", &GameState::LogWrites, {0, 1'000'000}),
        Scalar("ScoreLogging", &GameState::ScoreLogging, Flag),
        Scalar("WaitOnError", &GameState::WaitOnError, Flag),
        Scalar("SoundOn", &GameState::SoundOn, Flag),
        Scalar("AutoSave", &GameState::AutoSave, Flag),
        Scalar("AutoBlockInstruments", &GameState::AutoBlockInstruments, Flag),
        Scalar("RequireCallAttention", &GameState::RequireCallAttention, Flag),
        RulesFlag("RulesWR", RuleBook::WR),
        RulesFlag("RulesLMR", RuleBook::LMR),
        Column("MessageTime", &GameState::MessageTime, Span::Message, Time),
        Column("MessageText", &GameState::MessageText, Span::Message, Text),
        // Sections, levers, lines.
        Column("SectTrain", &GameState::SectTrain, Span::Section, TrainRef),
        Column("SectNext", &GameState::SectNext, Span::Section, {-BoxCount, 0, Span::Section}),
        Column("SectBehind", &GameState::SectBehind, Span::Section, SectionRef),
        Column("SectLimit", &GameState::SectLimit, Span::Section, {0, 1000}),
        Column("LeverNormal", &GameState::LeverNormal, Span::Lever, Flag),
        Column("LineLastTime", &GameState::LineLastTime, Span::Line, Time),
        Grid("LineTrains", &GameState::LineTrains, Span::Line, 0, 3, 0, TrainRef),
        // Trains and engines.
        Column("TrainDue", &GameState::TrainDue, Span::Train, Time),
        Column("TrainLate", &GameState::TrainLate, Span::Train, Amount),
        Column("TrainEngine", &GameState::TrainEngine, Span::Train,
               {0, 0, Span::Engine, EngineUnknown}),
        Column("TrainSect", &GameState::TrainSect, Span::Train, SectionRef),
        Column("TrainSpeed", &GameState::TrainSpeed, Span::Train, {0, 1000}),
        Column("TrainToGo", &GameState::TrainToGo, Span::Train, Amount),
        Column("TrainState", &GameState::TrainState, Span::Train, {TrainBlank, TrainGone}),
        Grid("TrainTimes", &GameState::TrainTimes, Span::Train, 1, 6, 0, Time),
        Column("TrainWait", &GameState::TrainWait, Span::Train, Amount),
        Column("EngineNumber", &GameState::EngineNumber, Span::Engine, Text),
        // The neighbouring boxes' block working.
        Grid("BoxBlock", &GameState::BoxBlock, Span::Box, 1, 2, 1, Instrument),
        Column("BoxBellShown", &GameState::BoxBellShown, Span::Box, AnyBellCode),
        Column("BoxBellSent", &GameState::BoxBellSent, Span::Box, AnyBellCode),
        Column("BoxBellAnswered", &GameState::BoxBellAnswered, Span::Box, Flag),
        Column("BoxRingPending", &GameState::BoxRingPending, Span::Box, AnyBellCode),
        Column("BoxLastRingTime", &GameState::BoxLastRingTime, Span::Box, Amount),
        Column("BoxOfferedTrain", &GameState::BoxOfferedTrain, Span::Box, TrainRef),
        Column("BoxAttending", &GameState::BoxAttending, Span::Box, Byte),
        Column("BoxAwaitingAttn", &GameState::BoxAwaitingAttn, Span::Box, Byte),
        Column("BoxHeldCode", &GameState::BoxHeldCode, Span::Box, AnyBellCode),
        Column("BoxAttnAnswered", &GameState::BoxAttnAnswered, Span::Box, Byte),
        Column("BoxAcceptedCode", &GameState::BoxAcceptedCode, Span::Box, AnyBellCode),
        Column("BoxTrain", &GameState::BoxTrain, Span::Box, TrainRef),
        Column("BoxLineClearTime", &GameState::BoxLineClearTime, Span::Box, Time),
        Column("BoxTesTime", &GameState::BoxTesTime, Span::Box, Time),
        Column("BoxTrainGone", &GameState::BoxTrainGone, Span::Box, Flag),
        Column("BoxShuntForward", &GameState::BoxShuntForward, Span::Box, Flag),
        Column("BoxBlockedBack", &GameState::BoxBlockedBack, Span::Box, Flag),
        Column("BoxWarningGiven", &GameState::BoxWarningGiven, Span::Box, Flag),
        Column("BoxToosTrain", &GameState::BoxToosTrain, Span::Box, TrainRef),
        Column("BoxToosDeadline", &GameState::BoxToosDeadline, Span::Box, Time),
    };
    return fields;
}

const GameField* FindField(std::string_view name) {
    for (const GameField& field : GameFields()) {
        if (field.Name == name) return &field;
    }
    return nullptr;
}

const std::vector<PositionLine>& PositionLayout() {
    // Items as (name, width). A field with a second index takes one
    // item per element, in order.
    struct Entry {
        std::string_view Name;
        int Width;
    };
    auto line = [](Span rows, std::initializer_list<Entry> entries) {
        PositionLine out{rows, {}};
        for (const Entry& e : entries) {
            const GameField* field = FindField(e.Name);
            if (!field->HasSecondIndex()) {
                out.Items.push_back({field, 0, e.Width});
                continue;
            }
            for (int j = field->First2; j <= field->Last2; ++j)
                out.Items.push_back({field, j, e.Width});
        }
        return out;
    };
    static const std::vector<PositionLine> layout = {
        line(Span::None, {{"ClockNow", 5},
                          {"MinuteTick", 3},
                          {"OpeningPoints", 4},
                          {"MessageIndex", 3},
                          {"TrainsInArea", 3},
                          {"LogWrites", 5},
                          {"ScoreLogging", 2},
                          {"TickSeconds", 4},
                          {"ShiftStart", 5},
                          {"ShiftEnd", 5},
                          {"ShiftNumber", 3},
                          {"ShiftTarget", 4},
                          {"ShiftName", 0}}),
        line(Span::None, {{"DifficultyName", 0}}),
        line(Span::Line, {{"LineTrains", 4}, {"LineLastTime", 5}}),
        line(Span::Train, {{"TrainDue", 5},
                           {"TrainLate", 5},
                           {"TrainEngine", 4},
                           {"TrainSect", 3},
                           {"TrainSpeed", 3},
                           {"TrainToGo", 5},
                           {"TrainState", 3},
                           {"TrainTimes", 5},
                           {"TrainWait", 5}}),
        line(Span::Section,
             {{"SectTrain", 4}, {"SectNext", 3}, {"SectBehind", 3}, {"SectLimit", 4}}),
        line(Span::Lever, {{"LeverNormal", 2}}),
        line(Span::Box, {{"BoxBlock", 2},
                         {"BoxBellShown", 3},
                         {"BoxBellSent", 3},
                         {"BoxBellAnswered", 3},
                         {"BoxOfferedTrain", 4},
                         {"BoxWarningGiven", 2},
                         {"BoxShuntForward", 2},
                         {"BoxBlockedBack", 2},
                         {"BoxTrainGone", 3},
                         {"BoxTrain", 4},
                         {"BoxLineClearTime", 5},
                         {"BoxTesTime", 5},
                         {"BoxAcceptedCode", 3},
                         {"BoxToosTrain", 5},
                         {"BoxToosDeadline", 5}}),
        line(Span::Engine, {{"EngineNumber", 0}}),
        line(Span::Message, {{"MessageTime", 5}, {"MessageText", 0}}),
        line(Span::None,
             {{"MessageIndex", 0}, {"YardTimer", 4}, {"YardTrain", 4}, {"YardClear", 3}}),
        line(Span::None, {{"AutoSave", 2},
                          {"AutoBlockInstruments", 2},
                          {"RequireCallAttention", 2},
                          {"RulesLMR", 2},
                          {"RulesWR", 2}}),
    };
    return layout;
}

long long FieldValue(const GameState& g, const GameField& field, int index, int index2) {
    // The slot only reads here.
    FieldSlot slot = field.Slot(const_cast<GameState&>(g), index, index2);
    if (auto* number = std::get_if<int32_t*>(&slot)) return **number;
    if (auto* byte = std::get_if<uint8_t*>(&slot)) return **byte;
    if (auto* flag = std::get_if<bool*>(&slot)) return **flag ? 1 : 0;
    if (auto* rules = std::get_if<RuleFlag>(&slot)) return *rules->Rules == rules->Book ? 1 : 0;
    return 0;
}

void SetFieldValue(GameState& g, const GameField& field, int index, int index2, long long value) {
    FieldSlot slot = field.Slot(g, index, index2);
    if (auto* number = std::get_if<int32_t*>(&slot)) **number = static_cast<int32_t>(value);
    if (auto* byte = std::get_if<uint8_t*>(&slot)) **byte = static_cast<uint8_t>(value);
    if (auto* flag = std::get_if<bool*>(&slot)) **flag = value != 0;
    if (auto* rules = std::get_if<RuleFlag>(&slot)) {
        if (value != 0) {
            *rules->Rules = rules->Book;
        } else if (*rules->Rules == rules->Book) {
            *rules->Rules = RuleBook::BR;
        }
    }
}

std::string_view FieldText(const GameState& g, const GameField& field, int index) {
    FieldSlot slot = field.Slot(const_cast<GameState&>(g), index, 0);
    if (auto* text = std::get_if<TextSlot>(&slot)) return text->Get();
    return {};
}

}  // namespace kv41
