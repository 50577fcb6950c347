#include "framework/program_files.h"

#include <filesystem>

#include "framework/file_replace.h"
#include "framework/messages.h"
#include "game_state.h"
#include "platform/platform.h"

namespace kv41 {

void CheckProgramFiles(GameState& g) {
    const std::string directory = g.Host->ProgramDirectory();
    std::error_code error;
    const std::string help = FileInDirectory(directory, HelpFileName);
    if (!std::filesystem::is_regular_file(help, error)) FatalError(g, "Help file missing  " + help);
    const std::string font = FileInDirectory(directory, FontFileName);
    if (!std::filesystem::is_regular_file(font, error)) FatalError(g, "Font file missing  " + font);
}

}  // namespace kv41
