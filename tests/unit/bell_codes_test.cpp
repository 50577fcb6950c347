#include "model/bell_codes.h"

#include <gtest/gtest.h>

#include <string>

namespace kv41 {
namespace {

// The code text is the beat groups written out; a slip in either would ring one code and show
// another.
TEST(BellCodes, TextMatchesBeatsForEveryCode) {
    for (int code = 0; code <= BellCodeLast; ++code) {
        const BellCode& bell = BellCodeOf(code);
        std::string written;
        for (uint8_t group : bell.Beats) {
            if (group == 0) break;
            if (!written.empty()) written += '-';
            written += std::to_string(group);
        }
        EXPECT_EQ(BellCodeLabel(code), written) << "code " << code;
        EXPECT_EQ(bell.Text.size(), 5u) << "code " << code;
        EXPECT_LE(bell.Meaning.size(), 32u) << "code " << code;
    }
    EXPECT_EQ(BellCodeBeatCount(BellShuntWithdrawn), 8);
    EXPECT_EQ(BellCodeBeatCount(BellWarningAcceptance), 13);
    EXPECT_EQ(BellCodeOf(99).Meaning, "No signal");
    EXPECT_EQ(BellCodeOf(-1).Text, "     ");
}

TEST(BellCodes, LineClearCodeByClassAndBranch) {
    EXPECT_EQ(LineClearCode(1), 2);
    EXPECT_EQ(LineClearCode(2, 1), 3);
    EXPECT_EQ(LineClearCode(2, 2), 4);
    EXPECT_EQ(LineClearCode(3), 5);
    EXPECT_EQ(LineClearCode(9), 11);
    EXPECT_EQ(LineClearCode(11), 13);
    EXPECT_EQ(LineClearCode(12, 4), 14);
    EXPECT_EQ(LineClearCode(12, 2), 15);
    EXPECT_EQ(LineClearCode(0), 0);
    EXPECT_EQ(LineClearCode(13), 0);
    EXPECT_EQ(BellCodeOf(LineClearCode(6)).Meaning, "Line clear: class D freight");
}

}  // namespace
}  // namespace kv41
