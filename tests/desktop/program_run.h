#pragma once
// One run of the desktop program under the tests' X display, from a directory of its own that
// holds the program and the files it needs beside it, so that the settings, the replay and the
// saved positions it writes there are this run's alone.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "x_session.h"

namespace desktop {

// The display of the running test suite.
extern std::unique_ptr<XSession> x;

class Desktop : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!x) x = std::make_unique<XSession>();
    }
    static void TearDownTestSuite() { x.reset(); }
    void SetUp() override { ASSERT_TRUE(x->Ready()) << "no X display with a window manager"; }
};

// A file of this run: other runs of the tests may share the temporary directory.
std::string RunFile(const std::string& name);
std::string FileText(const std::string& path);
void Keep(const Screen& screen, const std::string& name);
// The caption the help window shows for a topic: the title of its page.
std::string HelpCaption(int topic);
// A window appears whose caption matches, within the time.
bool Appears(const std::string& caption,
             std::chrono::milliseconds limit = std::chrono::seconds(10));

// A fresh directory with the program and the files beside it, but for those left out.
std::string ProgramCopy(const std::vector<std::string>& leftOut = {});

// The program started with --trace and the arguments, and the settings file given, if any; it
// tells where its panel lies.
class Game {
public:
    explicit Game(std::vector<std::string> args, const std::string& settings = {});
    ~Game();

    bool Started() const { return started_; }
    Process& Program() { return program_; }
    unsigned long Window() const { return window_; }
    const std::string& Directory() const { return directory_; }
    std::string Trace() const { return FileText(trace_); }
    // The session's replay as recorded so far.
    std::string Replay() const { return FileText(directory_ + "/KV41 replay.kv41"); }

    // The window's client area where it stands now: the program places its window again once
    // the window manager has framed it.
    Rect Client() const;
    // The middle of a panel cell on the screen.
    std::pair<int, int> Cell(int column, int row) const;
    Rect Row(int row) const;
    // The status bar above the panel: two rows high.
    Rect StatusBar() const;
    // Gives the window the focus with a click on the status bar's empty left end.
    void Focus() const;
    void ClickCell(int column, int row) const;
    // Waits until the session has drawn its lever frame and the message line is clear.
    bool PanelReady();

private:
    bool Locate();

    std::string directory_;
    Process program_;
    std::string trace_;
    bool started_ = false;
    unsigned long window_ = 0;
    int panelX_ = 0, panelY_ = 0, cellWidth_ = 1, cellHeight_ = 1;
};

}  // namespace desktop
