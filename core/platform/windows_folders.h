#pragma once
// Windows only: the player's known folders and the folders of installed programs, and the
// conversions between the game's UTF-8 and the system's UTF-16, made only where a call to the
// system needs them.
#ifdef _WIN32
#include <string>
#include <vector>

#include "platform/player_files.h"

namespace kv41 {

std::string Utf8FromWide(const wchar_t* text);
std::wstring WideFromUtf8(const std::string& text);

// Settings and data in the player's roaming application data folder ("KV41" added), the save
// dialogs in the player's documents folder.
StandardPlaces KnownFolderPlaces();

// The Program Files folders (64-bit and 32-bit): a program under them counts as installed.
std::vector<std::string> ProgramFilesFolders();

}  // namespace kv41
#endif
