#pragma once
// A private directory for a game played out of sight (a recorded session played again): the
// files that game writes (its score log, saves, autosave) must never land on the player's.
#include <string>

namespace kv41 {

class ScratchDirectory {
public:
    // Made afresh under the system's temporary directory; "" when it could not be made.
    ScratchDirectory();
    ~ScratchDirectory();  // removed with whatever it holds
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace kv41
