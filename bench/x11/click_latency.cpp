// Times a click's answer on the screen: from the X input event to the first changed pixel.
//
//   kv41_click_latency [--count N] [--gap MS] [--limit MS] [--poll US] STEP...
//   STEP: X,Y:AX,AY,AW,AH   press button 1 at (X, Y) on the root window, then watch the area
//                           (AX, AY, AW, AH) of the root window until a pixel of it changes
//
// The steps are taken in turn, over and over, until N presses have been timed (default 100).
// Each press goes in through the XTest extension as a real one does; the clock starts when the
// press has been handed to the server and stops when a read of the area differs from the read
// taken just before the press; the area is read again every --poll microseconds (default 100)
// until then. The button is released after the answer (or after --limit ms,
// default 2000, when none came: such a press counts as lost), then the program waits --gap ms
// (default 250) before the next step. Prints every time, then the count, the lost presses and
// the minimum, median, 90th and 99th percentile and maximum in milliseconds. Run it on the
// display where kv41 runs, on a screen where nothing else moves in the areas watched.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Step {
    int X = 0, Y = 0;
    int AreaX = 0, AreaY = 0, AreaWidth = 0, AreaHeight = 0;
};

bool ParseStep(const char* text, Step& step) {
    return std::sscanf(text, "%d,%d:%d,%d,%d,%d", &step.X, &step.Y, &step.AreaX, &step.AreaY,
                       &step.AreaWidth, &step.AreaHeight) == 6 &&
           step.AreaWidth > 0 && step.AreaHeight > 0;
}

// The pixels of an area of the root window as the server holds them now.
std::vector<char> ReadArea(Display* display, Window root, const Step& step) {
    XImage* image =
        XGetImage(display, root, step.AreaX, step.AreaY, static_cast<unsigned>(step.AreaWidth),
                  static_cast<unsigned>(step.AreaHeight), AllPlanes, ZPixmap);
    if (!image) return {};
    std::vector<char> pixels(image->data,
                             image->data + static_cast<std::size_t>(image->bytes_per_line) *
                                               static_cast<std::size_t>(image->height));
    XDestroyImage(image);
    return pixels;
}

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The value below which the given share of the sorted times lie (nearest rank).
double Percentile(const std::vector<double>& sorted, double share) {
    if (sorted.empty()) return 0;
    std::size_t rank = static_cast<std::size_t>(share * static_cast<double>(sorted.size()) + 0.999);
    rank = std::clamp<std::size_t>(rank, 1, sorted.size());
    return sorted[rank - 1];
}

int Usage() {
    std::fprintf(stderr,
                 "usage: kv41_click_latency [--count N] [--gap MS] [--limit MS] [--poll US] "
                 "X,Y:AX,AY,AW,AH...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int count = 100, gapMs = 250, limitMs = 2000, pollUs = 100;
    std::vector<Step> steps;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--count" || arg == "--gap" || arg == "--limit" || arg == "--poll") &&
            i + 1 < argc) {
            const int value = std::atoi(argv[++i]);
            (arg == "--count"   ? count
             : arg == "--gap"   ? gapMs
             : arg == "--limit" ? limitMs
                                : pollUs) = value;
            continue;
        }
        Step step;
        if (!ParseStep(argv[i], step)) return Usage();
        steps.push_back(step);
    }
    if (steps.empty() || count < 1) return Usage();
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "kv41_click_latency: no X display\n");
        return 1;
    }
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        std::fprintf(stderr, "kv41_click_latency: the X server has no XTest extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);

    std::vector<double> times;
    int lost = 0;
    for (int i = 0; i < count; ++i) {
        const Step& step = steps[static_cast<std::size_t>(i) % steps.size()];
        // The pointer is there before the press, as a hand's is: the motion is not timed.
        XTestFakeMotionEvent(display, -1, step.X, step.Y, CurrentTime);
        XSync(display, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const std::vector<char> before = ReadArea(display, root, step);
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XFlush(display);
        const Clock::time_point start = Clock::now();
        bool answered = false;
        while (Clock::now() - start < std::chrono::milliseconds(limitMs)) {
            if (ReadArea(display, root, step) != before) {
                answered = true;
                break;
            }
            // A breath between reads, so that the server and the program, which share the
            // machine's cores with this loop, are not kept from the answer being timed.
            std::this_thread::sleep_for(std::chrono::microseconds(pollUs));
        }
        const double ms = Milliseconds(Clock::now() - start);
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
        XSync(display, False);
        if (answered) {
            times.push_back(ms);
            std::printf("%.2f ", ms);
        } else {
            ++lost;
            std::printf("lost ");
        }
        std::fflush(stdout);
        std::this_thread::sleep_for(std::chrono::milliseconds(gapMs));
    }
    std::printf("\n");
    XCloseDisplay(display);
    std::sort(times.begin(), times.end());
    if (times.empty()) {
        std::printf("no answer to any of %d presses\n", count);
        return 1;
    }
    std::printf("%d presses, %d lost: min %.2f median %.2f p90 %.2f p99 %.2f max %.2f ms\n", count,
                lost, times.front(), Percentile(times, 0.5), Percentile(times, 0.9),
                Percentile(times, 0.99), times.back());
    return lost == 0 ? 0 : 1;
}
