// The game answers the player at once with sound on, as it is by default: the programs play to
// the tests' own sound server, whose output goes nowhere.
#include <gtest/gtest.h>

#include <cstdio>
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

    // The confirming press through XTest, timed from the press to the first changed pixel of
    // the lever's column by the click timer, which reads only that area back.
    const auto [px, py] = game.Cell(22, LeverRow);
    const std::string answer = x->Run(
        std::string(KV41_CLICK_TIMER) + " --count 1 --limit 3000 " + std::to_string(px) + "," +
        std::to_string(py) + ":" + std::to_string(lever.X) + "," + std::to_string(lever.Y) + "," +
        std::to_string(lever.Width) + "," + std::to_string(lever.Height));
    double shown = 0;
    ASSERT_EQ(std::sscanf(answer.c_str(), "%lf", &shown), 1) << "the lever never moved: " << answer;
    std::cout << "lever moved on the screen " << shown << " ms after the press\n";
    // A sound played to its end before the lever is drawn would take its 720 ms first.
    EXPECT_LT(shown, LeverSoundMs / 2);
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

// The new game dialog can be left: Esc, as Cancel and its close button, leaves the program on
// its start screen with nothing started.
TEST_F(Desktop, EscLeavesTheNewGameDialogForTheStartScreen) {
    Game game({"--at", "1000", "newgame"});
    ASSERT_TRUE(game.Started());
    const std::string dialog = "^TOLA select shift$";
    ASSERT_TRUE(Appears(dialog)) << "no new game dialog";
    x->Activate(x->FindWindow(dialog));
    x->Key("Escape");
    EXPECT_TRUE(WaitFor([&] { return x->FindWindow(dialog) == 0; }, 5s)) << "Esc did nothing";
    std::this_thread::sleep_for(1s);
    EXPECT_TRUE(game.Program().Running());
    EXPECT_NE(x->FindWindow("^Tarrock Junction Signal Box Summer 1954$"), 0u)
        << "not on the start screen";
    EXPECT_EQ(game.Trace().find("time: "), std::string::npos) << "a session started";
}

struct Layout {
    int PanelX = 0, PanelY = 0, CellWidth = 0, CellHeight = 0;
};

// Where the program last said its panel lies in its window (--trace).
Layout LastLayout(const Game& game) {
    const std::string trace = game.Trace();
    Layout layout;
    const auto at = trace.rfind("layout: window ");
    if (at == std::string::npos) return layout;
    unsigned long window = 0;
    std::sscanf(trace.c_str() + at, "layout: window %lu panel %d,%d cell %dx%d", &window,
                &layout.PanelX, &layout.PanelY, &layout.CellWidth, &layout.CellHeight);
    return layout;
}

// Maximised (a double click on its caption, as the window manager offers), the window shows
// the panel at the largest font that fits it, in its middle.
TEST_F(Desktop, AMaximisedWindowShowsALargerPanelCentred) {
    Game game({"--new", "4", "1", "--tick-ms", "3600000"}, "[KV41]\r\nFont=9\r\n");
    ASSERT_TRUE(game.Started());
    ASSERT_TRUE(game.PanelReady());
    const Layout small = LastLayout(game);
    const Rect frame = x->Frame(game.Window());
    // On a busy machine the two clicks can arrive too far apart to count as one double click:
    // then the frame has not grown, and the caption is double-clicked again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0 && x->Frame(game.Window()).Width > frame.Width) break;
        x->Run("xdotool mousemove " + std::to_string(frame.X + frame.Width / 2) + " " +
               std::to_string(frame.Y + 6) + " click --repeat 2 --delay 80 1");
        if (WaitFor([&] { return LastLayout(game).CellWidth > small.CellWidth; }, 10s)) break;
    }
    ASSERT_TRUE(WaitFor([&] { return LastLayout(game).CellWidth > small.CellWidth; }, 20s))
        << "the panel did not grow";
    std::this_thread::sleep_for(1s);
    const Layout large = LastLayout(game);
    const Rect client = game.Client();
    EXPECT_GT(client.Width, x->Area().Width * 9 / 10);
    // The panel's middle is the window's, give or take a cell.
    const int middle = large.PanelX + 50 * large.CellWidth;
    EXPECT_NEAR(middle, client.Width / 2, large.CellWidth) << client.Width;
    // The lever frame is drawn where the larger panel puts it.
    const int frameTop = client.Y + large.PanelY + 26 * large.CellHeight;
    const Rect frameRow{client.X + large.PanelX, frameTop, 100 * large.CellWidth, large.CellHeight};
    EXPECT_TRUE(WaitFor([&] { return x->Grab().Lit(frameRow) > 0; }, 5s));
    Keep(x->Grab(), "desktop_maximised");
}

}  // namespace
}  // namespace desktop
