#include "framework/score_log.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "framework/file_replace.h"
#include "framework/messages.h"
#include "framework/text_grid.h"
#include "game_state.h"

namespace kv41 {

namespace {

constexpr int MinutesPerDay = 24 * 60;

std::string PointsField(int points) {
    std::string value = std::to_string(points);
    if (value.size() < 5) value.insert(0, 5 - value.size(), ' ');
    return value;
}

// Starts the log afresh with its header; on failure logging is switched off for the game.
bool CreateLog(GameState& g, std::ofstream& out) {
    out.close();
    out.clear();
    out.open(ScoreLogName(g), std::ios::out | std::ios::trunc);
    if (out) out << "Score log for " << g.ShortName.str() << '\n' << std::flush;
    if (!out) {
        ShowError(g, "Unable to write log file - disk may be full or write-protected");
        g.ScoreLogging = false;
        return false;
    }
    return true;
}

// Appending needs the log that this game started: a restored game whose log has gone must
// not quietly begin a headerless file.
bool OpenForAppend(const GameState& g, std::ofstream& out) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(ScoreLogName(g), error)) return false;
    out.open(ScoreLogName(g), std::ios::out | std::ios::app);
    return static_cast<bool>(out);
}

}  // namespace

std::string ScoreLogName(const GameState& g) {
    return FileInDirectory(g.DataDirectory, g.ShortName.str() + " log.txt");
}

std::string LogTime(int time) {
    // The time of day, whatever the day: the evening before and the next morning as well.
    int ofDay = (time % MinutesPerDay + MinutesPerDay) % MinutesPerDay;
    int hour = ofDay / 60;
    char separator = hour >= 12 ? 'p' : '.';
    if (hour > 12) hour -= 12;
    return TwoDigits(hour) + separator + TwoDigits(ofDay % 60);
}

void LogScore(GameState& g, int points, std::string_view reason) {
    if (!g.ScoreLogging) return;
    const std::string entry = PointsField(points) + " " + std::string(reason);
    std::ofstream out;
    bool ready = true;
    if (g.LogWrites > 0) {
        ready = OpenForAppend(g, out);
    } else if (!CreateLog(g, out)) {
        return;
    }
    bool written = false;
    if (ready) {
        out << LogTime(g.ClockNow) << ' ' << entry << '\n' << std::flush;
        written = static_cast<bool>(out);
    }
    if (!written) {
        ShowError(g, "Unable to write to existing log file - creating new file");
        if (!CreateLog(g, out)) return;
        out << "New log file - original file for saved game not found\n" << entry << '\n';
    }
    out.close();
    ++g.LogWrites;
}

}  // namespace kv41
