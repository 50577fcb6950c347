// The desktop program as the player meets it: the real kv41 under Xvfb with a window manager,
// driven by real X input, judged by what the screen itself shows.
#include <gtest/gtest.h>

#include <iostream>
#include <thread>

#include "program_run.h"

namespace desktop {
namespace {

using namespace std::chrono_literals;

constexpr Rgb White{255, 255, 255};
constexpr Rgb ErrorRed{255, 40, 40};
constexpr Rgb CallYellow{255, 255, 72};
constexpr Rgb HeldRed{160, 32, 32};
constexpr int MessageRow = 31;
constexpr int LeverRow = 27;  // where a click takes a lever
constexpr int BoxHeadingRow = 13;

// Clicks a cell once; how long it took the screen to show the answer, if it did.
std::optional<std::chrono::milliseconds> AnswerToClick(const Game& game, int column, int row,
                                                       const std::function<bool()>& shown) {
    game.ClickCell(column, row);
    return WaitFor(shown, 3s);
}

TEST_F(Desktop, ErrorFlashAndLeverPromptStandOnTheScreenWhileTheGameWaits) {
    Game game({"--new", "4", "1"});
    ASSERT_TRUE(game.Started());
    ASSERT_TRUE(game.PanelReady());
    const Rect line = game.Row(MessageRow);
    game.Focus();

    // Lever 10 is spare: the error flashes red for two seconds, then the line is clear again.
    const auto flash =
        AnswerToClick(game, 11, LeverRow, [&] { return x->Grab().Count(line, ErrorRed) > 200; });
    ASSERT_TRUE(flash) << "the error flash never reached the screen";
    Keep(x->Grab(), "desktop_error_flash");
    EXPECT_TRUE(WaitFor([&] { return x->Grab().Lit(line) == 0; }, 5s)) << "the flash stays";

    // Lever 46: the prompt asks for the confirming click, and stays while the game waits.
    const auto prompt =
        AnswerToClick(game, 47, LeverRow, [&] { return x->Grab().Count(line, White) > 100; });
    ASSERT_TRUE(prompt) << "the lever prompt never reached the screen";
    std::cout << "lever prompt on the screen " << prompt->count() << " ms after the click\n";
    const Screen withPrompt = x->Grab();
    Keep(withPrompt, "desktop_lever_prompt");
    std::this_thread::sleep_for(1s);
    EXPECT_TRUE(x->Grab().SameAs(withPrompt, line)) << "the prompt went before the second click";
}

TEST_F(Desktop, CallMessagesAndTheHeldWarningAreShown) {
    Game game({"--new", "5", "1", "--tick-ms", "20"});
    ASSERT_TRUE(game.Started());
    // A call: yellow letters on the line's black, not a notice's yellow ground.
    auto call = [&] {
        const Screen s = x->Grab();
        const Rect line = game.Row(MessageRow);
        const int yellow = s.Count(line, CallYellow);
        return yellow > 50 && yellow * 2 < s.Lit(line);
    };
    // The machine may be busy: the game's own two-second pauses stretch the shift's first hour.
    EXPECT_TRUE(WaitFor(call, 120s)) << "no call message seen";
    EXPECT_TRUE(WaitFor([&] { return x->Grab().Count(game.Row(MessageRow), HeldRed) > 200; }, 120s))
        << "no held warning seen";
}

TEST_F(Desktop, ClosingAsksNoPlaysOnYesShowsTheRatingAndEndsTheProgram) {
    Game game({"--new", "4", "1", "--tick-ms", "100"});
    ASSERT_TRUE(game.Started());
    ASSERT_TRUE(game.PanelReady());
    const std::string question = "^Tarrock Junction Signal Box Summer 1954$";

    x->CloseByFrame(game.Window());
    ASSERT_TRUE(Appears(question)) << "closing did not ask";
    x->Activate(x->FindWindow(question));
    x->Key("Escape");
    const bool answered = WaitFor([&] { return x->FindWindow(question) == 0; }, 5s).has_value();
    if (!answered) {
        Keep(x->Grab(), "desktop_question_stays");
        std::cout << "active " << x->Run("xdotool getactivewindow") << " focus "
                  << x->Run("xdotool getwindowfocus") << " question " << x->FindWindow(question)
                  << " main " << game.Window() << "\n";
    }
    EXPECT_TRUE(answered);
    ASSERT_TRUE(game.Program().Running());
    // The clock goes on: the status bar changes.
    const Screen before = x->Grab();
    EXPECT_TRUE(WaitFor([&] { return !x->Grab().SameAs(before, game.StatusBar()); }, 5s))
        << "the game stood still after No";

    x->CloseByFrame(game.Window());
    ASSERT_TRUE(Appears(question));
    x->Activate(x->FindWindow(question));
    x->Key("Return");
    ASSERT_TRUE(Appears("^TOLA end of session$")) << "no rating after Yes";
    // F1 in the rating dialog opens the page on the rating.
    x->Activate(x->FindWindow("^TOLA end of session$"));
    x->Key("F1");
    EXPECT_TRUE(Appears("^" + HelpCaption(630) + "$"));
    x->Activate(x->FindWindow("^TOLA end of session$"));
    x->Key("Return");
    EXPECT_EQ(game.Program().WaitExit(10s), std::optional<int>(0));
}

// F1 on the start screen opens its topic; closing the window ends the program.
TEST_F(Desktop, ClosingTheStartScreenEndsTheProgramAtOnce) {
    Game game({});
    ASSERT_TRUE(game.Started());
    ASSERT_TRUE(Appears("^Tarrock Junction Signal Box Summer 1954$"));
    x->Activate(game.Window());
    x->Key("F1");
    EXPECT_TRUE(Appears("^" + HelpCaption(125) + "$"));
    x->CloseByFrame(game.Window());
    EXPECT_EQ(game.Program().WaitExit(10s), std::optional<int>(0));
}

TEST_F(Desktop, F1OpensTheTopicOfTheWindowInFront) {
    Game game({"--new", "4", "1"});
    ASSERT_TRUE(game.Started());
    ASSERT_TRUE(game.PanelReady());
    const struct {
        const char* Key;
        const char* Caption;
        int Topic;
    } windows[] = {{"h", "^Trains held at", 421},
                   {"r", "^Train Register at", 424},
                   {"t", "^Trains approaching at", 422},
                   {"w", "^Working Timetable at", 423},
                   {"m", "^Recent messages$", 426}};
    for (const auto& w : windows) {
        x->Activate(game.Window());
        x->Key(w.Key);
        ASSERT_TRUE(Appears(w.Caption)) << w.Caption;
        x->Activate(x->FindWindow(w.Caption));
        x->Key("F1");
        EXPECT_TRUE(Appears("^" + HelpCaption(w.Topic) + "$")) << w.Caption;
        // Asked for again, the window is brought up to date where it stands, on the screen.
        const Rect frame = x->Frame(x->FindWindow(w.Caption));
        x->Activate(game.Window());
        x->Key(w.Key);
        std::this_thread::sleep_for(500ms);
        EXPECT_TRUE(WaitFor([&] { return x->Frame(x->FindWindow(w.Caption)) == frame; }, 3s))
            << w.Caption;
        EXPECT_TRUE(frame.X >= 0 && frame.Y >= 0 && frame.X + frame.Width <= x->Area().Width &&
                    frame.Y + frame.Height <= x->Area().Height)
            << w.Caption;
    }
    // The panel itself, then the bell code list of box 1 and the options window.
    x->Activate(game.Window());
    x->Key("F1");
    EXPECT_TRUE(Appears("^" + HelpCaption(410) + "$"));
    game.Focus();
    game.ClickCell(2, BoxHeadingRow);
    ASSERT_TRUE(Appears("^Select bell code to send to Pellingford$"));
    x->Activate(x->FindWindow("^Select bell code to send to Pellingford$"));
    x->Key("F1");
    EXPECT_TRUE(Appears("^" + HelpCaption(425) + "$"));
}

}  // namespace
}  // namespace desktop
