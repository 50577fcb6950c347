#pragma once
// The bell codes of absolute block working: the fixed table of every code Tarrock and its
// neighbouring boxes exchange, indexed by code number 0..26.
#include <array>
#include <cstdint>
#include <string_view>

namespace kv41 {

constexpr int BellCodeLast = 26;  // codes run 0..26

// Code numbers with a meaning of their own (2..15 are the is-line-clear codes by class).
enum : uint8_t {
    BellNone = 0,
    BellCallAttention = 1,
    BellLineClearFirst = 2,  // express passenger
    BellLineClearLast = 15,  // branch freight
    BellTrainEntering = 16,
    BellTrainOut = 17,
    BellTrainApproaching = 18,
    BellAssistingInRear = 19,
    BellCancel = 20,
    BellWarningAcceptance = 21,
    BellLineNowClear = 22,
    BellLineOccupied = 23,
    BellBlockingBack = 24,
    BellShuntForward = 25,
    BellShuntWithdrawn = 26
};

struct BellCode {
    std::array<uint8_t, 3> Beats;  // beat groups, played with a pause between; 0 ends
    std::string_view Text;         // five characters padded with blanks, e.g. "3-1  "
    std::string_view Meaning;      // short meaning, at most 32 characters
    std::string_view Description;  // long description of the code list
    bool NeedsCallAttention;       // when sent unprompted (train out of section: not under WR)
};

// The table entry of a code; a number outside 0..26 gives code 0 ("No signal").
const BellCode& BellCodeOf(int code);

// The code text without its padding ("3-1"; "" for code 0).
std::string_view BellCodeLabel(int code);

// The number of beats of a code, all groups together.
int BellCodeBeatCount(int code);

constexpr bool IsLineClearCode(int code) {
    return code >= BellLineClearFirst && code <= BellLineClearLast;
}

// The is-line-clear code for a train of a class (1..12) going to a line (`TrainTo`): the branch
// has its own codes for ordinary passenger and pick-up freight trains. 0 for an unknown class.
int LineClearCode(int trainClass, int trainTo = 0);

}  // namespace kv41
