#include "framework/framework_start.h"

#include "framework/text_grid.h"
#include "game_state.h"
#include "platform/platform.h"

namespace kv41 {

void StartFramework(GameState& g, std::string_view identity) {
    SetupPanelFont(g);
    // Until the settings file is read when the session starts.
    g.SoundOn = true;
    g.ScoreLogging = false;
    g.WaitOnError = false;
    g.LogWrites = 0;
    g.PositionFileName.clear();
    g.AppActive = false;
    g.ShortName = identity;
    g.ProgramDate = g.Host->ProgramDate();
    // Kept whole: a path cut to fit a fixed field would name another directory.
    g.ProgramDirectory = g.Host->ProgramDirectory();
    const PlayerDirectories player = g.Host->PlayerFiles();
    g.SettingsDirectory = player.Settings;
    g.DataDirectory = player.Data;
    g.DocumentsDirectory = player.Documents;
}

}  // namespace kv41
