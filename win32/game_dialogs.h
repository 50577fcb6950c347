#pragma once
// The game's dialogs drawn from the core's models of them: the new game, the options, the bell
// code list and the end of the session.
#include "windows_api.h"

#include <optional>
#include <string>

#include "framework/options.h"
#include "frontend/dialogs.h"
#include "frontend/game_windows.h"

// The shift and level chosen (indexes as the model numbers them).
struct NewGameChoice {
    int Shift = 0;
    int Level = 0;
};
// The choices taken with OK; none with Cancel, Esc or the close button.
std::optional<NewGameChoice> RunNewGameDialog(HWND owner, const kv41::NewGameWindow& model);
void RunEndDialog(HWND owner, const kv41::EndWindow& model);
// The values taken with OK, or none when cancelled; Help opens the options' topic.
std::optional<kv41::OptionValues> RunOptionsDialog(HWND owner, const kv41::OptionsWindow& model,
                                                   const kv41::OptionValues& current);
// The code chosen with OK or a double click, or none when cancelled.
std::optional<int> RunBellListDialog(HWND owner, const kv41::BellListWindow& model);
