// The move is rebuilt from what it works on; only the signalman's "why" is taken from his
// reason, after the part that names the lever or the code, which the player's words say
// differently.
#include "signalman/hint_text.h"

#include <cctype>
#include <string_view>

#include "game_state.h"
#include "model/bell_codes.h"

namespace kv41 {

namespace {

struct Shorthand {
    std::string_view Short, Plain;
};

constexpr Shorthand Shorthands[] = {
    {"FPL", "Facing Point Lock"},
    {"Sidngs", "Sidings"},
    {"sig", "signal"},
    {"TES", "train entering section"},
    {"TOOS", "train out of section"},
};

bool WordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

std::string Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

// What follows `head` in the reason, or the whole reason if it does not start so.
std::string After(const std::string& reason, const std::string& head) {
    if (reason.compare(0, head.size(), head) == 0) return reason.substr(head.size());
    return reason;
}

std::string Sentence(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    if (!text.empty() && text.back() != '.' && text.back() != '?') text += '.';
    return text;
}

std::string BoxWords(const GameState& g, int box) {
    return Trimmed(g.BoxName[static_cast<std::size_t>(box)].str());
}

// "3-1 (ordinary passenger)": the code and what it says, without the list's "Line clear:".
std::string CodeWords(int code) {
    const BellCode& bell = BellCodeOf(code);
    std::string meaning(bell.Meaning);
    constexpr std::string_view LineClear = "Line clear: ";
    if (meaning.compare(0, LineClear.size(), LineClear) == 0) meaning.erase(0, LineClear.size());
    if (!meaning.empty())
        meaning[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(meaning[0])));
    return Trimmed(BellCodeLabel(code)) + " (" + meaning + ")";
}

std::string LeverHint(const GameState& g, const SignalmanMove& move) {
    const auto l = static_cast<std::size_t>(move.Number);
    const bool pull = g.LeverNormal[l] != 0;
    const std::string name = Trimmed(g.LeverName[l].str());
    std::string why = Trimmed(After(move.Reason, (pull ? "pull " : "put back ") + name + " "));
    if (why == "behind the train: nothing needs it now") why = "as nothing needs it now";
    return (pull ? "Pull lever " : "Put back lever ") + std::to_string(move.Number) + " (" + name +
           ") " + why;
}

// What the code is to tell the box, after the call attention that goes first.
std::string Then(const std::string& why) {
    constexpr std::string_view Asking = "is line clear for ";
    if (why.compare(0, Asking.size(), Asking) == 0) {
        std::string train = why.substr(Asking.size());
        if (!train.empty() && train.back() == '?') train.pop_back();
        return "offer " + train;
    }
    return "tell it " + why;
}

std::string BellHint(const GameState& g, const SignalmanMove& move) {
    const int box = move.Number;
    const std::string name = BoxWords(g, box);
    const std::string head = "send " + Trimmed(BellCodeLabel(move.Code)) + " (" +
                             std::string(BellCodeOf(move.Code).Meaning) + ") to " + name + ": ";
    const std::string why = Trimmed(After(move.Reason, head));
    const std::string code = CodeWords(move.Code);
    const auto b = static_cast<std::size_t>(box);
    const bool answering = g.BoxBellShown[b] != 0 && g.BoxBellAnswered[b] == 0;
    constexpr std::string_view First = "first, to ";
    if (move.Code == BellCallAttention && why.compare(0, First.size(), First) == 0) {
        return "Call " + name + "'s attention first: send " + code + ", then " +
               Then(why.substr(First.size()));
    }
    if (move.Code == BellCallAttention && answering) {
        return "Answer " + name + "'s call for attention: send " + code;
    }
    const std::string then = Then(why);
    if (then.compare(0, 6, "offer ") == 0) {
        return "Offer " + then.substr(6) + " to " + name + ": send " + code +
               ", asking if the line is clear";
    }
    if (answering) return "Answer " + name + ": send " + code + " to " + why;
    return "Send " + code + " to " + name + ": " + why;
}

}  // namespace

std::string PlainWords(std::string text) {
    for (const Shorthand& s : Shorthands) {
        std::size_t at = 0;
        while ((at = text.find(s.Short, at)) != std::string::npos) {
            const std::size_t end = at + s.Short.size();
            const bool whole = (at == 0 || !WordChar(text[at - 1])) &&
                               (end == text.size() || !WordChar(text[end]));
            if (!whole) {
                at = end;
                continue;
            }
            text.replace(at, s.Short.size(), s.Plain);
            at += s.Plain.size();
        }
    }
    return text;
}

std::string PlayerHint(const GameState& g, const SignalmanMove& move) {
    std::string hint;
    switch (move.Kind) {
    case MoveKind::Lever: hint = LeverHint(g, move); break;
    case MoveKind::Bell: hint = BellHint(g, move); break;
    case MoveKind::Instrument:
        hint = After(move.Reason, "turn the instrument") + ": click its handle";
        hint = "Turn the block instrument" + hint;
        break;
    case MoveKind::Wait:
        hint = "Nothing to do now: " +
               (move.Reason == "nothing is coming: wait" ? "no train is coming" : move.Reason);
        break;
    }
    return Sentence(PlainWords(hint));
}

}  // namespace kv41
