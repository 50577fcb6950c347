#include "framework/save_dialog.h"

#include "framework/file_replace.h"
#include "framework/player_dialogs.h"
#include "game_state.h"

namespace kv41 {

std::optional<std::string> ChooseFileToWrite(GameState& g, FileChoice choice) {
    choice.Save = true;
    choice.InitialDir = g.LastDirectory;
    std::optional<std::string> name = ChooseFileFor(g, choice);
    if (!name || name->empty()) return std::nullopt;
    std::string directory = DirectoryOf(*name);
    if (!directory.empty()) g.LastDirectory = directory;
    return name;
}

}  // namespace kv41
