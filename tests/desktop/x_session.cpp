#include "x_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

namespace desktop {

namespace {

using namespace std::chrono_literals;

uint32_t BigEndian(const unsigned char* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

int Shift(uint32_t mask) {
    int shift = 0;
    while (mask != 0 && (mask & 1) == 0) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

}  // namespace

Rgb Screen::At(int x, int y) const {
    const uint32_t p = Pixels[static_cast<std::size_t>(y) * Width + x];
    return {static_cast<int>((p >> 16) & 0xff), static_cast<int>((p >> 8) & 0xff),
            static_cast<int>(p & 0xff)};
}

int Screen::Count(const Rect& area, Rgb colour) const {
    int count = 0;
    for (int y = std::max(0, area.Y); y < std::min(Height, area.Y + area.Height); ++y) {
        for (int x = std::max(0, area.X); x < std::min(Width, area.X + area.Width); ++x) {
            if (At(x, y) == colour) ++count;
        }
    }
    return count;
}

int Screen::Lit(const Rect& area) const {
    const int all = std::max(0, std::min(Width, area.X + area.Width) - std::max(0, area.X)) *
                    std::max(0, std::min(Height, area.Y + area.Height) - std::max(0, area.Y));
    return all - Count(area, {0, 0, 0});
}

bool Screen::SameAs(const Screen& other, const Rect& area) const {
    if (other.Width != Width || other.Height != Height) return false;
    for (int y = std::max(0, area.Y); y < std::min(Height, area.Y + area.Height); ++y) {
        for (int x = std::max(0, area.X); x < std::min(Width, area.X + area.Width); ++x) {
            if (!(At(x, y) == other.At(x, y))) return false;
        }
    }
    return true;
}

bool Screen::SavePpm(const std::string& file) const {
    std::ofstream out(file, std::ios::binary);
    out << "P6\n" << Width << ' ' << Height << "\n255\n";
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const Rgb c = At(x, y);
            out.put(static_cast<char>(c.Red)).put(static_cast<char>(c.Green));
            out.put(static_cast<char>(c.Blue));
        }
    }
    return static_cast<bool>(out);
}

Process::~Process() {
    Stop();
}

bool Process::Start(const std::vector<std::string>& argv, const std::string& errorFile) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    status_.reset();
    pid_ = fork();
    if (pid_ < 0) return false;
    if (pid_ == 0) {
        const int null = open("/dev/null", O_RDWR);
        const int err = open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(null, 0);
        dup2(null, 1);
        dup2(err >= 0 ? err : null, 2);
        execvp(args[0], args.data());
        _exit(127);
    }
    return true;
}

bool Process::Running() {
    if (pid_ <= 0 || status_) return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    return true;
}

std::optional<int> Process::WaitExit(std::chrono::milliseconds limit) {
    WaitFor([this] { return !Running(); }, limit);
    return status_;
}

void Process::Stop() {
    if (!Running()) return;
    kill(pid_, SIGTERM);
    if (!WaitExit(3s)) {
        kill(pid_, SIGKILL);
        WaitExit(3s);
    }
}

XSession::XSession(int width, int height) : width_(width), height_(height) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return;
    // The server writes the display number it found free on the descriptor it is given.
    const std::string fd = std::to_string(pipeEnds[1]);
    const std::string size = std::to_string(width) + "x" + std::to_string(height) + "x24";
    // TrueColor, so that the pixels read back are the colours drawn.
    server_.Start({"Xvfb", "-displayfd", fd, "-screen", "0", size, "-cc", "4", "-nolisten", "tcp"});
    close(pipeEnds[1]);
    pollfd wait{pipeEnds[0], POLLIN, 0};
    std::string number;
    char c = 0;
    while (poll(&wait, 1, 10000) > 0 && read(pipeEnds[0], &c, 1) == 1 && c != '\n') number += c;
    close(pipeEnds[0]);
    if (number.empty()) return;
    display_ = ":" + number;
    setenv("DISPLAY", display_.c_str(), 1);
    // The window manager may find the new server not yet open to it and end at once: it is
    // started again until it answers.
    ready_ =
        WaitFor(
            [this] {
                if (!manager_.Running()) manager_.Start({"openbox", "--sm-disable"});
                return Run("xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null").find("window id") !=
                       std::string::npos;
            },
            30s)
            .has_value();
    StartSound();
}

void XSession::StartSound() {
    char pattern[] = "/tmp/kv41_sound_XXXXXX";
    if (mkdtemp(pattern) == nullptr) return;
    soundDirectory_ = pattern;
    const std::string socket = soundDirectory_ + "/native";
    // The server keeps its files under the runtime directory and home given to it; the
    // programs find it by PULSE_SERVER.
    setenv("XDG_RUNTIME_DIR", soundDirectory_.c_str(), 1);
    const std::string home = soundDirectory_;
    sound_.Start({"env", "HOME=" + home, "pulseaudio", "-n", "--daemonize=no",
                  "--exit-idle-time=-1", "--disable-shm=yes", "--use-pid-file=no",
                  "--load=module-null-sink sink_name=kv41_null",
                  "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket});
    setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
    soundReady_ =
        WaitFor(
            [this] { return Run("pactl info 2>/dev/null").find("kv41_null") != std::string::npos; },
            10s)
            .has_value();
}

XSession::~XSession() {
    manager_.Stop();
    server_.Stop();
    sound_.Stop();
    if (!soundDirectory_.empty()) Run("rm -rf '" + soundDirectory_ + "'");
}

std::string XSession::Run(const std::string& command) const {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

Screen XSession::Grab() const {
    Screen screen;
    const std::string data = Run("xwd -root -silent");
    const auto* p = reinterpret_cast<const unsigned char*>(data.data());

    if (data.size() < 100) return screen;
    auto field = [p](int i) { return BigEndian(p + 4 * i); };
    const uint32_t headerSize = field(0), width = field(4), height = field(5);
    const uint32_t byteOrder = field(7), bytesPerLine = field(12);
    // Depth 24 comes packed in three bytes or in units of four.
    const uint32_t bytesPerPixel = field(11) / 8;
    const uint32_t red = field(14), green = field(15), blue = field(16), colours = field(19);
    const std::size_t start = headerSize + 12 * std::size_t{colours};
    if ((bytesPerPixel != 3 && bytesPerPixel != 4) || bytesPerLine < width * bytesPerPixel ||
        data.size() < start + std::size_t{bytesPerLine} * height) {
        return screen;
    }
    screen.Width = static_cast<int>(width);
    screen.Height = static_cast<int>(height);
    screen.Pixels.resize(std::size_t{width} * height);
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            const unsigned char* q =
                p + start + std::size_t{y} * bytesPerLine + std::size_t{bytesPerPixel} * x;
            uint32_t v = 0;
            for (uint32_t i = 0; i < bytesPerPixel; ++i) {
                const uint32_t byte = q[byteOrder == 0 ? bytesPerPixel - 1 - i : i];
                v = (v << 8) | byte;
            }
            const uint32_t r = (v & red) >> Shift(red), g = (v & green) >> Shift(green),
                           b = (v & blue) >> Shift(blue);
            screen.Pixels[std::size_t{y} * width + x] = (r << 16) | (g << 8) | b;
        }
    }
    return screen;
}

unsigned long XSession::FindWindow(const std::string& pattern) const {
    const std::string ids =
        Run("xdotool search --onlyvisible --name '" + pattern + "' 2>/dev/null");
    return std::strtoul(ids.c_str(), nullptr, 10);
}

// The client area's place on the root window, as the server has it (xdotool's own answer
// counts the frame's caption twice under some window managers).
Rect XSession::Geometry(unsigned long window) const {
    std::istringstream info(Run("xwininfo -id " + std::to_string(window) + " 2>/dev/null"));
    Rect area{0, 0, 0, 0};
    std::string line;
    while (std::getline(info, line)) {
        const auto colon = line.find(':');
        if (colon == std::string::npos) continue;
        const int value = std::atoi(line.c_str() + colon + 1);
        if (line.find("Absolute upper-left X") != std::string::npos) area.X = value;
        if (line.find("Absolute upper-left Y") != std::string::npos) area.Y = value;
        if (line.find("  Width") == 0) area.Width = value;
        if (line.find("  Height") == 0) area.Height = value;
    }
    return area;
}

void XSession::Click(int x, int y) const {
    // The pointer settles first: a press that comes with the motion may be taken by the window
    // manager as the window's activation. (Not with --sync, which waits some seconds for a
    // motion that never comes when the pointer is already there.)
    Run("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
    std::this_thread::sleep_for(100ms);
    Run("xdotool mousedown 1");
    std::this_thread::sleep_for(50ms);
    Run("xdotool mouseup 1");
}

Rect XSession::Frame(unsigned long window) const {
    std::istringstream extents(
        Run("xprop -id " + std::to_string(window) + " _NET_FRAME_EXTENTS 2>/dev/null"));
    std::string text;
    std::getline(extents, text);
    int left = 0, right = 0, top = 0, bottom = 0;
    const auto eq = text.find('=');
    if (eq == std::string::npos ||
        std::sscanf(text.c_str() + eq + 1, "%d, %d, %d, %d", &left, &right, &top, &bottom) != 4) {
        return {0, 0, 0, 0};
    }
    const Rect client = Geometry(window);
    return {client.X - left, client.Y - top, client.Width + left + right,
            client.Height + top + bottom};
}

// The close button stands at the right end of the window manager's caption, above the
// client area.
void XSession::CloseByFrame(unsigned long window) const {
    const Rect frame = Frame(window);
    const int caption = Geometry(window).Y - frame.Y;
    if (frame.Width > 0) Click(frame.X + frame.Width - caption / 2, frame.Y + caption / 2);
}

void XSession::Key(const std::string& keys) const {
    Run("xdotool key " + keys);
}

void XSession::Activate(unsigned long window) const {
    Run("xdotool windowactivate --sync " + std::to_string(window) + " windowfocus --sync " +
        std::to_string(window) + " 2>/dev/null");
    // The program takes the focus a moment after the window manager has given it.
    std::this_thread::sleep_for(300ms);
}

std::optional<std::chrono::milliseconds> WaitFor(const std::function<bool()>& condition,
                                                 std::chrono::milliseconds limit) {
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        if (condition()) return elapsed;
        if (elapsed > limit) return std::nullopt;
        std::this_thread::sleep_for(20ms);
    }
}

}  // namespace desktop
