#pragma once
// A replay read back for a front end that plays it in its own window: the start of the session
// (the seed, and a new game or the position it was resumed from) and then, line by line, the
// player's inputs queued on the game as scripted input. The console runs replays with its own
// commands; this reader takes the lines that the recorder writes.
#include <cstdint>
#include <string>
#include <vector>

namespace kv41 {

struct GameState;

struct ReplayScript {
    // Reads the replay's text. False when it holds no start (no "seed", "new" or "resume").
    bool Read(const std::string& text);

    uint32_t Seed = 0;
    int Shift = 0, Level = 0;  // a new game: 1..5 each; 0 for a resumed one
    std::string StartFile;     // a resumed game: the file's name and its lines
    std::string StartText;
    std::vector<std::string> Lines;  // what follows the start, in order
};

// Queues the inputs of one line of a replay on g. Files that the line saves or loads are taken
// in `directory`; "position" lines are held in `held` for the next "restart". Returns the timer
// ticks that the line asks for (to be given one by one), or -1 for a line that is not an input
// (a comment, or a console command that only shows something).
int QueueReplayLine(GameState& g, const std::string& line, const std::string& directory,
                    std::string& held);

// The words of a line of the console's language: blank-separated, or a text in double quotes
// with \" and \\ inside.
std::vector<std::string> ReplayWords(const std::string& line);

}  // namespace kv41
