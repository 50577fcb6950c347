#pragma once
// The game's help, KV41.CHM beside the program, opened at a topic by its number with the
// system's HTML Help viewer.
#include "windows_api.h"

#include <string>

void OpenHelpTopic(HWND owner, const std::string& helpFile, int topic);
// Closes the viewer's windows as the program ends.
void CloseHelp();
