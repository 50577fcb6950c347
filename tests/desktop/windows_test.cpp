// The desktop program's windows and dialogs as the player meets them: where they stand on the
// screen, what they hand back to the game (seen in the replay the program records), and what
// the start screen looks like after a resume that did not happen.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "program_run.h"

namespace desktop {
namespace {

using namespace std::chrono_literals;

constexpr int BoxHeadingRow = 13;
const std::string Title = "^Tarrock Junction Signal Box Summer 1954$";

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.Width > 0 && inner.X >= outer.X && inner.Y >= outer.Y &&
           inner.X + inner.Width <= outer.X + outer.Width &&
           inner.Y + inner.Height <= outer.Y + outer.Height;
}

// The whole window, frame and caption included, is on the screen, centred by its frame.
bool CentredOnScreen(unsigned long window) {
    const Rect frame = x->Frame(window);
    const Rect screen = x->Area();
    const int right = screen.Width - frame.X - frame.Width;
    const int bottom = screen.Height - frame.Y - frame.Height;
    const bool centred =
        Inside(frame, screen) && std::abs(frame.X - right) <= 1 && std::abs(frame.Y - bottom) <= 1;
    if (!centred) {
        std::cout << "frame " << frame.X << "," << frame.Y << " " << frame.Width << "x"
                  << frame.Height << " on " << screen.Width << "x" << screen.Height << "\n";
    }
    return centred;
}

// A visible window whose caption matches, other than the one given, or 0.
unsigned long OtherWindow(const std::string& pattern, unsigned long except) {
    std::istringstream ids(x->Run("xdotool search --onlyvisible --name '" + pattern + "'"));
    unsigned long id = 0;
    while (ids >> id) {
        if (id != except) return id;
    }
    return 0;
}

// Whatever follows the given text in the replay.
std::string ReplayAfter(const Game& game, const std::string& text) {
    const std::string replay = game.Replay();
    const auto at = replay.find(text);
    return at == std::string::npos ? std::string() : replay.substr(at + text.size());
}

TEST_F(Desktop, TheWholeWindowLiesOnTheScreenCentredByItsFrame) {
    for (const auto& [width, height] : {std::pair{1366, 768}, std::pair{1920, 1080}}) {
        x.reset();
        x = std::make_unique<XSession>(width, height);
        ASSERT_TRUE(x->Ready());
        Game game({});
        ASSERT_TRUE(game.Started());
        EXPECT_TRUE(WaitFor([&] { return CentredOnScreen(game.Window()); }, 5s))
            << "at " << width << "x" << height;
    }
}

// The start screen's "Resume Saved Game": the right one of the two light buttons below the
// title, found from the bottom of the window up.
std::optional<std::pair<int, int>> ResumeButton(const Screen& s, const Rect& client) {
    for (int y = client.Y + client.Height - 1; y > client.Y; --y) {
        int first = -1, count = 0;
        for (int px = client.X + client.Width / 2; px < client.X + client.Width; ++px) {
            const Rgb c = s.At(px, y);
            if (c.Red > 200 && c.Green > 200 && c.Blue > 200) {
                if (first < 0) first = px;
                ++count;
            }
        }
        if (count > 100) return std::pair{first + count / 2, y - 10};
    }
    return std::nullopt;
}

TEST_F(Desktop, ACancelledOrFailedResumeLeavesTheStartScreenAsItWas) {
    Game game({});
    ASSERT_TRUE(game.Started());
    const std::string corrupt = game.Directory() + "/corrupt.sav";
    std::ofstream(corrupt) << "KV41\nnot a position at all\n";
    const Rect client = game.Client();
    auto settled = [&] {
        x->Run("xdotool mousemove 0 0");  // no button lit by the pointer
        Screen s = x->Grab();
        for (int i = 0; i < 30; ++i) {
            std::this_thread::sleep_for(300ms);
            Screen again = x->Grab();
            if (again.SameAs(s, client)) break;
            s = again;
        }
        return s;
    };
    const Screen before = settled();
    const auto button = ResumeButton(before, client);
    ASSERT_TRUE(button) << "no Resume Saved Game button on the start screen";

    for (const bool cancel : {true, false}) {
        x->Click(button->first, button->second);
        ASSERT_TRUE(Appears("^Open$")) << "no file dialog";
        const unsigned long dialog = x->FindWindow("^Open$");
        x->Activate(dialog);
        if (cancel) {
            x->Key("Escape");
        } else {
            x->Key("ctrl+a");
            x->Run("xdotool type --delay 20 '" + corrupt + "'");
            x->Key("Return");
            // The load fails with a box that says so.
            unsigned long box = 0;
            ASSERT_TRUE(
                WaitFor([&] { return (box = OtherWindow(Title, game.Window())) != 0; }, 10s));
            EXPECT_NE(game.Trace().find("Invalid saved game"), std::string::npos);
            x->Activate(box);
            x->Key("Return");
            EXPECT_TRUE(WaitFor([&] { return OtherWindow(Title, game.Window()) == 0; }, 5s));
        }
        EXPECT_TRUE(WaitFor([&] { return x->FindWindow("^Open$") == 0; }, 5s));
        const Screen after = settled();
        EXPECT_TRUE(after.SameAs(before, client))
            << (cancel ? "cancelled" : "failed") << " resume changed the start screen";
        if (!after.SameAs(before, client))
            Keep(after, cancel ? "resume_cancelled" : "resume_failed");
        EXPECT_TRUE(game.Program().Running());
    }
}

// Options opened in a session show the game's values (here from the settings file) and hand
// back only what the player changed; a smaller panel font lays the window out again, centred.
TEST_F(Desktop, OptionsShowTheGameValuesAndTakeTheChoices) {
    Game game({"--new", "4", "1"}, "[KV41]\nLog=1\nSound=0\n");
    ASSERT_TRUE(game.Started());
    ASSERT_TRUE(game.PanelReady());
    const std::string options = "^TOLA Game Options$";
    auto layouts = [&] {
        const std::string trace = game.Trace();
        int count = 0;
        for (auto at = trace.find("layout:"); at != std::string::npos;
             at = trace.find("layout:", at + 1))
            ++count;
        return count;
    };
    const int laidOut = layouts();
    x->Activate(game.Window());
    x->Key("alt+o");
    ASSERT_TRUE(Appears(options));
    x->Activate(x->FindWindow(options));
    x->Key("F1");
    EXPECT_TRUE(Appears("^" + HelpCaption(710) + "$"));
    x->Activate(x->FindWindow(options));
    // Wait on error ticked; then the main window's font bar, next in turn, to its smallest.
    x->Key("alt+w");
    std::this_thread::sleep_for(300ms);  // the mnemonic is taken before the keys that follow
    x->Key("Tab Home Return");
    ASSERT_TRUE(WaitFor([&] { return x->FindWindow(options) == 0; }, 5s));
    EXPECT_TRUE(WaitFor([&] { return !ReplayAfter(game, "option wait on").empty(); }, 5s));
    const std::string changed = ReplayAfter(game, "option autosave off\n");
    EXPECT_EQ(changed.find("option log"), std::string::npos) << changed;
    EXPECT_EQ(changed.find("option sound"), std::string::npos) << changed;
    EXPECT_NE(changed.find("option wait on"), std::string::npos) << changed;
    EXPECT_TRUE(WaitFor([&] { return layouts() > laidOut; }, 5s))
        << "the panel font did not change";
    EXPECT_TRUE(WaitFor([&] { return CentredOnScreen(game.Window()); }, 5s));
}

// The bell code list names the box in its caption; the window manager's close cancels it as
// Esc and Cancel do, sending nothing whatever is chosen; OK sends the code chosen.
TEST_F(Desktop, TheBellCodeListSendsTheChosenCodeWithOkOnly) {
    Game game({"--new", "4", "1"});
    ASSERT_TRUE(game.Started());
    ASSERT_TRUE(game.PanelReady());
    const std::string list = "^Select bell code to send to Pellingford$";
    game.Focus();
    for (const char* keys : {"Down Down Down alt+F4", "Down Down Down Return"}) {
        game.ClickCell(2, BoxHeadingRow);
        ASSERT_TRUE(Appears(list)) << "no bell code list";
        const unsigned long window = x->FindWindow(list);
        EXPECT_TRUE(Inside(x->Frame(window), x->Area()));
        x->Activate(window);
        x->Key(keys);
        EXPECT_TRUE(WaitFor([&] { return x->FindWindow(list) == 0; }, 5s)) << keys;
    }
    EXPECT_TRUE(WaitFor([&] { return game.Replay().find("bell 1 3") != std::string::npos; }, 5s));
    const std::string replay = game.Replay();
    EXPECT_LT(replay.find("bell 1 0"), replay.find("bell 1 3")) << replay;
}

TEST_F(Desktop, AMissingHelpOrFontFileEndsTheProgramNamingIt) {
    for (const std::string missing : {"KV41.qch", "TOLA.TTF"}) {
        const std::string directory = ProgramCopy({missing});
        const std::string errors = RunFile("kv41_missing_file") + ".txt";
        Process program;
        program.Start({directory + "/kv41"}, errors);
        const std::string what = missing == "KV41.qch" ? "Help" : "Font";
        const std::string text = "Program cannot continue:\n" + what + " file missing  " +
                                 directory + "/" + missing +
                                 "\nPlease see Error Messages page in Help";
        EXPECT_TRUE(WaitFor([&] { return FileText(errors).find(text) != std::string::npos; }, 10s))
            << FileText(errors);
        // The box that says so; its OK ends the program.
        unsigned long box = 0;
        const std::string search =
            "xdotool search --onlyvisible --pid " + std::to_string(program.Pid()) + " 2>/dev/null";
        EXPECT_TRUE(WaitFor([&] { return (box = std::stoul("0" + x->Run(search))) != 0; }, 10s));
        x->Activate(box);
        x->Key("Return");
        EXPECT_EQ(program.WaitExit(10s), std::optional<int>(1)) << missing;
    }
}

}  // namespace
}  // namespace desktop
