// The game answers the player at once with sound on, as it is by default: the programs play to
// the tests' own sound server, whose output goes nowhere.
#include <gtest/gtest.h>

#include <iostream>
#include <thread>

#include "program_run.h"

namespace desktop {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr Rgb White{255, 255, 255};
constexpr int MessageRow = 31;
constexpr int LeverRow = 27;
constexpr int PlungerRow = 19;
constexpr int LeverSoundMs = 720;  // sndLever.wav

// One column of the lever frame, where the lever and its mark are drawn.
Rect FrameColumn(const Game& game, int column) {
    const auto [x1, y1] = game.Cell(column, 23);
    const auto [x2, y2] = game.Cell(column + 1, 30);
    const int half = (x2 - x1) / 2;
    return {x1 - half, y1, x2 - x1, y2 - y1};
}

int TimeLines(const Game& game) {
    const std::string trace = game.Trace();
    int count = 0;
    for (std::size_t at = trace.find("time: "); at != std::string::npos;
         at = trace.find("time: ", at + 1))
        ++count;
    return count;
}

bool PlaysToTheSoundServer() {
    return x->Run("pactl list clients 2>/dev/null").find("kv41") != std::string::npos;
}

// The lever waiting for its confirming click is marked in the frame; the confirming click moves
// it on the screen at once, long before its sound has ended.
TEST_F(Desktop, ALeverMovesOnTheScreenLongBeforeItsSoundEnds) {
    ASSERT_TRUE(x->SoundReady()) << "no sound server";
    Game game({"--new", "4", "1", "--tick-ms", "3600000"});
    ASSERT_TRUE(game.Started());
    ASSERT_TRUE(game.PanelReady());
    game.Focus();
    const Rect lever = FrameColumn(game, 22);
    const Screen before = x->Grab();
    game.ClickCell(22, LeverRow);
    ASSERT_TRUE(WaitFor([&] { return x->Grab().Count(game.Row(MessageRow), White) > 100; }, 3s));
    const Screen marked = x->Grab();
    EXPECT_FALSE(marked.SameAs(before, lever)) << "the lever awaiting its click is not marked";
    Keep(marked, "desktop_marked_lever");

    const auto pressed = Clock::now();
    game.ClickCell(22, LeverRow);
    const auto moved = WaitFor([&] { return !x->Grab().SameAs(marked, lever); }, 3s);
    ASSERT_TRUE(moved) << "the lever never moved on the screen";
    const auto shown =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - pressed);
    std::cout << "lever moved on the screen within " << shown.count() << " ms of the click\n";
    // The click itself (xdotool, the pointer settling) and reading the screen back take a
    // little; a sound played to its end first would take its 720 ms more.
    EXPECT_LT(shown.count(), LeverSoundMs / 2);
    EXPECT_NE(game.Trace().find("sound: sndLever.wav"), std::string::npos);
    EXPECT_TRUE(PlaysToTheSoundServer()) << "the program plays no sound";
}

// One tap on a plunger: the code ends by itself two seconds later and the clock runs on.
TEST_F(Desktop, ASingleTapIsFollowedByTheClockRunningWithinThreeSeconds) {
    ASSERT_TRUE(x->SoundReady()) << "no sound server";
    Game game({"--new", "4", "1", "--tick-ms", "20"});
    ASSERT_TRUE(game.Started());
    ASSERT_TRUE(game.PanelReady());
    game.Focus();
    ASSERT_TRUE(WaitFor([&] { return TimeLines(game) > 2; }, 10s)) << "the clock does not run";
    game.ClickCell(51, PlungerRow);
    const auto tapped = Clock::now();
    const int minutes = TimeLines(game);
    ASSERT_TRUE(WaitFor([&] { return x->Grab().Count(game.Row(MessageRow), White) > 50; }, 2s))
        << "the tap is not shown";
    Keep(x->Grab(), "desktop_tap_in_progress");
    ASSERT_TRUE(WaitFor([&] { return TimeLines(game) > minutes + 1; }, 5s))
        << "the clock stands after a tap";
    const auto ran = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - tapped);
    std::cout << "the clock ran again " << ran.count() << " ms after the tap\n";
    EXPECT_LT(ran.count(), 3000);
    EXPECT_NE(game.Replay().find("\ntap 3\n"), std::string::npos) << game.Replay();
    EXPECT_NE(game.Trace().find("sound: sndTapper.wav"), std::string::npos);
}

}  // namespace
}  // namespace desktop
