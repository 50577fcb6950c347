#pragma once
// A private X display for the desktop tests: Xvfb on a display number of its own choosing, a
// window manager, the program under test, real input through xdotool and the real screen read
// back from the root window with xwd.
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace desktop {

struct Rgb {
    int Red, Green, Blue;
    bool operator==(const Rgb&) const = default;
};

struct Rect {
    int X, Y, Width, Height;
    bool operator==(const Rect&) const = default;
};

// One picture of the whole screen.
class Screen {
public:
    int Width = 0, Height = 0;
    std::vector<uint32_t> Pixels;  // 0xRRGGBB

    Rgb At(int x, int y) const;
    // How many pixels of the area have exactly this colour.
    int Count(const Rect& area, Rgb colour) const;
    // How many pixels of the area are not black.
    int Lit(const Rect& area) const;
    bool SameAs(const Screen& other, const Rect& area) const;
    bool SavePpm(const std::string& file) const;
};

// A program started with arguments; its standard error is kept in a file.
class Process {
public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    bool Start(const std::vector<std::string>& argv, const std::string& errorFile = "/dev/null");
    bool Running();
    // The exit status once the program has ended within the time, else none.
    std::optional<int> WaitExit(std::chrono::milliseconds limit);
    void Stop();
    pid_t Pid() const { return pid_; }

private:
    pid_t pid_ = 0;
    std::optional<int> status_;
};

class XSession {
public:
    explicit XSession(int width = 1366, int height = 768);
    ~XSession();
    bool Ready() const { return ready_; }
    // A sound server of our own with a null output, which the programs started here play to:
    // sound is on, as it is for the player, and what the programs play can be watched.
    bool SoundReady() const { return soundReady_; }
    const std::string& Display() const { return display_; }
    Rect Area() const { return {0, 0, width_, height_}; }

    // A command's standard output, run on this display.
    std::string Run(const std::string& command) const;
    Screen Grab() const;
    // The first visible window whose caption matches the pattern (xdotool's regular
    // expression), or 0.
    unsigned long FindWindow(const std::string& pattern) const;
    // Client area of a window on the screen.
    Rect Geometry(unsigned long window) const;
    // The whole window with the frame the window manager has drawn round it.
    Rect Frame(unsigned long window) const;
    void Click(int x, int y) const;
    void Key(const std::string& keys) const;
    // A click on the close button of the window's frame.
    void CloseByFrame(unsigned long window) const;
    void Activate(unsigned long window) const;

private:
    void StartSound();
    Process server_;
    Process manager_;
    Process sound_;
    std::string soundDirectory_;
    bool soundReady_ = false;
    std::string display_;
    int width_, height_;
    bool ready_ = false;
};

// Polls the condition until it holds or the time has passed; how long it took, if it held.
std::optional<std::chrono::milliseconds> WaitFor(const std::function<bool()>& condition,
                                                 std::chrono::milliseconds limit);

}  // namespace desktop
