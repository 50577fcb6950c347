#pragma once
// Where the player's own files go. A program whose directory the player can write (a build tree,
// a copy unpacked somewhere) keeps everything beside itself; an installed one keeps the settings
// in the player's configuration directory, the score log, autosave and replay in the player's
// data directory, and starts its save dialogs in the documents folder.
#include <string>

namespace kv41 {

// The standard places of this program's files for the player on this machine.
struct StandardPlaces {
    std::string Config;     // e.g. ~/.config/kv41
    std::string Data;       // e.g. ~/.local/share/kv41
    std::string Documents;  // e.g. ~/Documents
};

struct PlayerDirectories {
    std::string Settings;   // TOLA.INI
    std::string Data;       // the score log, the autosave and the replay
    std::string Documents;  // where the save and timetable dialogs start
};

// Whether a file can be created in the directory (tried, not guessed from its permissions).
bool DirectoryWritable(const std::string& directory);

// Whether the player's files may stand beside the program: its directory can be written and is
// not part of the installed system (/usr), which a player running as root could write too.
bool KeepFilesBesideProgram(const std::string& programDirectory, bool writable);

// The directories for a program in programDirectory. The standard ones are created when they
// are chosen, so that the first file written finds them.
PlayerDirectories ChoosePlayerDirectories(const std::string& programDirectory, bool writable,
                                          const StandardPlaces& places);

// The standard places as the freedesktop.org base directories give them: $XDG_CONFIG_HOME and
// $XDG_DATA_HOME (else ~/.config and ~/.local/share), each with "kv41" added; the documents
// folder is $XDG_DOCUMENTS_DIR, else ~/Documents when it exists, else the home directory.
StandardPlaces FreedesktopPlaces();

}  // namespace kv41
