// Splitting an information window's lines into its memos.
#include "windows/info_panes.h"

#include <algorithm>
#include <string_view>

#include "game_state.h"

namespace kv41 {

namespace {

constexpr int DirectionRows = 10;  // trains per direction in the register and the timetable
// Where a timetable line writes the two-letter codes of its entry and exit lines.
constexpr std::size_t EntryCodeColumn = 7;
constexpr std::size_t ExitCodeColumn = 26;

// The register lists the latest up trains first: as many as were accepted, ten at most.
int RegisterUpLines(const GameState& g) {
    int accepted = 0;
    for (int t = 1; t <= g.TrainCount; ++t) {
        bool up = g.TrainFrom[t] < 3 || g.TrainTo[t] > 3;
        if (up && g.TrainTimes[t][RegLineClearGiven] != NoTime) ++accepted;
    }
    return std::min(accepted, DirectionRows);
}

// The line number of a two-letter line code, 0 if none has it.
int LineOfCode(const GameState& g, std::string_view code) {
    for (int line = 1; line <= LineCount; ++line) {
        if (g.LineCode[line].view() == code) return line;
    }
    return 0;
}

// A timetable line is an up train when it enters by a lower-numbered line than it leaves by;
// the up trains come first.
int TimetableUpLines(const GameState& g, const std::vector<std::string>& lines) {
    int count = 0;
    for (const std::string& line : lines) {
        if (line.size() < ExitCodeColumn + 2) break;
        int from = LineOfCode(g, std::string_view(line).substr(EntryCodeColumn, 2));
        int to = LineOfCode(g, std::string_view(line).substr(ExitCodeColumn, 2));
        if (from >= to || count == DirectionRows) break;
        ++count;
    }
    return count;
}

}  // namespace

std::vector<int> InfoPaneSizes(const GameState& g, const InfoWindow& window) {
    const int total = static_cast<int>(window.Lines.size());
    std::vector<int> sizes;
    if (window.Name == "held") {
        sizes = {3, 6, 3, 1};
    } else if (window.Name == "approaching") {
        sizes = {3, 3, 3, 3};
    } else if (window.Name == "register" || window.Name == "wtt") {
        int up = window.Name == "register" ? RegisterUpLines(g) : TimetableUpLines(g, window.Lines);
        up = std::min(up, total);
        sizes = {up, total - up};
    } else {
        sizes = {total};
    }
    // Whatever the window, the panes never claim more or fewer lines than there are.
    int left = total;
    for (int& size : sizes) {
        size = std::clamp(size, 0, left);
        left -= size;
    }
    sizes.back() += left;
    return sizes;
}

}  // namespace kv41
