// The desktop program as the player meets it: the real kv41 under Xvfb with a window manager,
// driven by real X input, judged by what the screen itself shows.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <memory>
#include <regex>
#include <sstream>
#include <thread>

#include "x_session.h"

namespace desktop {
namespace {

using namespace std::chrono_literals;

constexpr Rgb White{255, 255, 255};
constexpr Rgb ErrorRed{255, 40, 40};
constexpr Rgb CallYellow{255, 255, 72};
constexpr Rgb HeldRed{160, 32, 32};
constexpr int MessageRow = 31;
constexpr int LeverRow = 27;       // where a click takes a lever
constexpr int LeverFrameRow = 25;  // where the levers are drawn
constexpr int BoxHeadingRow = 13;

std::unique_ptr<XSession> x;

// Files of this run: other runs of the tests may share the temporary directory.
std::string RunFile(const std::string& name) {
    return testing::TempDir() + name + "_" + std::to_string(getpid());
}

void Keep(const Screen& screen, const std::string& name) {
    screen.SavePpm(RunFile(name) + ".ppm");
}

std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The caption the help window shows for a topic: the title of its page.
std::string HelpCaption(int topic) {
    const std::string page =
        FileText(std::string(KV41_HELP_DIR) + "/" + std::to_string(topic) + ".html");
    std::smatch title;
    std::regex_search(page, title, std::regex("<title>([^<]*)</title>"));
    return "Tarrock Junction Help: " + title[1].str();
}

// One run of the program, with its trace; it tells where its panel lies in its window.
class Game {
public:
    explicit Game(std::vector<std::string> args) {
        static int runs = 0;
        trace_ = RunFile("kv41_trace_" + std::to_string(++runs)) + ".txt";
        args.insert(args.begin(), {KV41_PROGRAM, "--trace"});
        program_.Start(args, trace_);
        started_ = WaitFor([this] { return Locate(); }, 20s).has_value();
    }

    bool Started() const { return started_; }
    Process& Program() { return program_; }
    unsigned long Window() const { return window_; }
    std::string Trace() const { return FileText(trace_); }

    // The middle of a panel cell on the screen.
    std::pair<int, int> Cell(int column, int row) const {
        const Rect client = Client();
        return {client.X + panelX_ + (column - 1) * cellWidth_ + cellWidth_ / 2,
                client.Y + panelY_ + (row + 1) * cellHeight_ + cellHeight_ / 2};
    }
    Rect Row(int row) const {
        const Rect client = Client();
        return {client.X + panelX_, client.Y + panelY_ + (row + 1) * cellHeight_, 100 * cellWidth_,
                cellHeight_};
    }
    // The status bar above the panel: two rows high.
    Rect StatusBar() const {
        const Rect client = Client();
        return {client.X + panelX_, client.Y + panelY_, 100 * cellWidth_, 2 * cellHeight_};
    }
    // A click on the status bar's empty left end, which only gives the window the focus.
    void Focus() const {
        const Rect bar = StatusBar();
        x->Click(bar.X + 4, bar.Y + 4);
    }
    void ClickCell(int column, int row) const {
        const auto [px, py] = Cell(column, row);
        x->Click(px, py);
    }
    // Waits until the session has drawn its lever frame and the message line is clear.
    bool PanelReady() const {
        const bool ready =
            WaitFor(
                [this] {
                    const Screen s = x->Grab();
                    return s.Lit(Row(LeverFrameRow)) > 0 && s.Lit(Row(MessageRow)) == 0;
                },
                30s)
                .has_value();
        if (!ready) {
            const Screen s = x->Grab();
            Keep(s, "desktop_panel_not_ready");
            const Rect r = Row(LeverFrameRow);
            std::cout << "panel not ready: screen " << s.Width << "x" << s.Height
                      << ", lever row at " << r.X << "," << r.Y << " " << r.Width << "x" << r.Height
                      << " lit " << s.Lit(r) << ", message line lit " << s.Lit(Row(MessageRow))
                      << "\n";
        }
        return ready;
    }

private:
    // The window's client area, read once it is on the screen: the window stays where it is.
    Rect Client() const {
        if (client_.Width == 0) client_ = x->Geometry(window_);
        return client_;
    }

    bool Locate() {
        const std::string text = Trace();
        const auto at = text.rfind("layout: window ");
        if (at == std::string::npos) return false;
        std::istringstream line(text.substr(at + 15));
        char sep = 0;
        std::string word;
        line >> window_ >> word >> panelX_ >> sep >> panelY_ >> word >> cellWidth_ >> sep >>
            cellHeight_;
        if (window_ == 0 || x->Geometry(window_).Width == 0) return false;
        // Settled when two readings agree.
        const Rect first = x->Geometry(window_);
        std::this_thread::sleep_for(200ms);
        const Rect second = x->Geometry(window_);
        return first.X == second.X && first.Y == second.Y && first.Width == second.Width;
    }

    Process program_;
    std::string trace_;
    bool started_ = false;
    unsigned long window_ = 0;
    int panelX_ = 0, panelY_ = 0, cellWidth_ = 1, cellHeight_ = 1;
    mutable Rect client_{0, 0, 0, 0};
};

class Desktop : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!x) x = std::make_unique<XSession>();
    }
    static void TearDownTestSuite() { x.reset(); }
    void SetUp() override { ASSERT_TRUE(x->Ready()) << "no X display with a window manager"; }
};

// A window appears whose caption matches, within the time.
bool Appears(const std::string& caption, std::chrono::milliseconds limit = 10s) {
    return WaitFor([&] { return x->FindWindow(caption) != 0; }, limit).has_value();
}

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

TEST_F(Desktop, ClosingTheStartScreenEndsTheProgramAtOnce) {
    Game game({});
    ASSERT_TRUE(game.Started());
    ASSERT_TRUE(Appears("^Tarrock Junction Signal Box Summer 1954$"));
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
    }
    // The panel itself, then the bell code list of box 1 and the options window.
    x->Activate(game.Window());
    x->Key("F1");
    EXPECT_TRUE(Appears("^" + HelpCaption(410) + "$"));
    game.Focus();
    game.ClickCell(2, BoxHeadingRow);
    ASSERT_TRUE(Appears("^Select bell code to send$"));
    x->Activate(x->FindWindow("^Select bell code to send$"));
    x->Key("F1");
    EXPECT_TRUE(Appears("^" + HelpCaption(425) + "$"));
}

}  // namespace
}  // namespace desktop
