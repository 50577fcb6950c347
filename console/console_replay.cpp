// Replays: recording the session, positions carried in the script, and checking a replay's end.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "command_words.h"
#include "console.h"
#include "framework/file_replace.h"
#include "replay/end_state.h"
#include "session/scripted_input.h"

namespace kv41 {

Console::~Console() {
    if (positionsDir_.empty()) return;
    std::error_code error;
    std::filesystem::remove_all(positionsDir_, error);
}

void Console::RecordTo(const std::string& file) {
    recorder_ = std::make_unique<ReplayRecorder>(file);
    game_->Recorder = recorder_.get();
}

int Console::Verify(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> recorded = RecordedEndState(text);
    std::istringstream script(text);
    int status = Run({&script});
    if (recorded.empty()) {
        out_ << "verify: " << file << " holds no recorded end state\n";
        return 1;
    }
    std::string difference = FirstDifference(recorded, EndStateLines(*game_));
    if (!difference.empty()) {
        out_ << "verify: the replay does not reproduce its recording\n" << difference << '\n';
        return 1;
    }
    out_ << "verify: the replay reproduces its recording\n";
    return status;
}

std::string Console::HeldPositionFile(const std::string& file) {
    if (heldPosition_.empty()) return file;
    if (positionsDir_.empty()) {
        auto dir = std::filesystem::temp_directory_path() /
                   ("kv41-console-positions-" + std::to_string(::getpid()));
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        positionsDir_ = dir.string();
    }
    std::string name = std::filesystem::path(file).filename().string();
    std::string path = FileInDirectory(positionsDir_, name.empty() ? "position.sav" : name);
    std::string text = std::move(heldPosition_);
    heldPosition_.clear();
    if (!ReplaceFile(path, text)) throw CommandRefused{"cannot write " + path, false};
    return path;
}

void Console::PositionCommand(CommandWords& words) {
    std::string line = words.Text("line of a saved position");
    words.End();
    heldPosition_ += line + "\r\n";
}

void Console::FastCommand(CommandWords& words) {
    words.End();
    if (!RunMenuCommand(*game_, PlayerInput::Menu(InputKind::Fast))) {
        throw CommandRefused{"the game does not offer that now", false};
    }
}

void Console::QuitCommand(CommandWords& words) {
    words.End();
    if (!RunMenuCommand(*game_, PlayerInput::Menu(InputKind::Quit))) {
        throw CommandRefused{"the game does not offer that now", false};
    }
}

}  // namespace kv41
