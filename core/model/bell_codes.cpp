#include "model/bell_codes.h"

namespace kv41 {

namespace {

// clang-format off
constexpr std::array<BellCode, BellCodeLast + 1> BellCodes{{
    {{0, 0, 0}, "     ", "No signal", "No signal", false},
    {{1, 0, 0}, "1    ", "Call attention", "Call attention", false},
    {{4, 0, 0}, "4    ", "Line clear: express passenger", "Class A (express passenger train)", true},
    {{3, 1, 0}, "3-1  ", "Line clear: ordinary passenger", "Class B (ordinary passenger train)", true},
    {{1, 3, 0}, "1-3  ", "Line clear: branch passenger", "Class B (branch passenger train)", true},
    {{1, 3, 1}, "1-3-1", "Line clear: parcels", "Class C (parcels train)", true},
    {{2, 2, 1}, "2-2-1", "Line clear: empty coaching stock", "Class C (empty coaching stock)", true},
    {{3, 1, 1}, "3-1-1", "Line clear: class C freight", "Class C (express freight, fully fitted)", true},
    {{5, 0, 0}, "5    ", "Line clear: class D freight", "Class D (express freight, partly fitted)", true},
    {{1, 2, 2}, "1-2-2", "Line clear: class E freight", "Class E (express freight, fitted head only)", true},
    {{3, 2, 0}, "3-2  ", "Line clear: class F freight", "Class F (express freight, no continuous brake)", true},
    {{2, 3, 0}, "2-3  ", "Line clear: light engine(s)", "Class G (light engine(s) )", true},
    {{1, 4, 0}, "1-4  ", "Line clear: class H freight", "Class H (through freight or ballast train)", true},
    {{4, 1, 0}, "4-1  ", "Line clear: class J freight", "Class J (mineral or empty wagon train)", true},
    {{3, 0, 0}, "3    ", "Line clear: pickup freight", "Class K (stopping goods)", true},
    {{1, 2, 0}, "1-2  ", "Line clear: branch freight", "Class K (branch goods)", true},
    {{2, 0, 0}, "2    ", "Train entering section", "Train entering section", false},
    {{2, 1, 0}, "2-1  ", "Train out of section", "Train out of section or Obstruction removed", true},
    {{1, 2, 1}, "1-2-1", "Train approaching", "Train approaching", false},
    {{2, 2, 0}, "2-2  ", "Locomotive assisting in rear", "Locomotive assisting at rear of train", false},
    {{3, 5, 0}, "3-5  ", "Cancel last signal", "Cancel last signal", true},
    {{3, 5, 5}, "3-5-5", "Warning acceptance", "Warning acceptance", false},
    {{3, 3, 5}, "3-3-5", "Line now clear (cancel warning)", "Line now clear (cancel warning acceptance)", true},
    {{2, 4, 2}, "2-4-2", "Line occupied acceptance", "Line occupied acceptance (permissive working)", false},
    {{3, 3, 0}, "3-3  ", "Blocking back outside home sig", "Blocking back outside home signal", true},
    {{3, 3, 2}, "3-3-2", "Shunting into forward section", "Shunting into forward section", true},
    {{8, 0, 0}, "8    ", "Shunt withdrawn", "Shunt withdrawn", true},
}};
// clang-format on

}  // namespace

const BellCode& BellCodeOf(int code) {
    if (code < 0 || code > BellCodeLast) code = 0;
    return BellCodes[static_cast<std::size_t>(code)];
}

std::string_view BellCodeLabel(int code) {
    std::string_view text = BellCodeOf(code).Text;
    return text.substr(0, text.find(' '));
}

int BellCodeBeatCount(int code) {
    int count = 0;
    for (uint8_t group : BellCodeOf(code).Beats) count += group;
    return count;
}

int LineClearCode(int trainClass, int trainTo) {
    switch (trainClass) {
    case 1: return 2;
    case 2: return trainTo == 2 ? 4 : 3;  // the branch passenger has its own code
    case 12: return trainTo == 2 ? 15 : 14;
    default: return trainClass >= 3 && trainClass <= 11 ? trainClass + 2 : 0;
    }
}

}  // namespace kv41
