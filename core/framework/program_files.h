#pragma once
// The files that must stand beside the program: the compiled help and the panel's font.
#include <string>

namespace kv41 {

struct GameState;

// Each system's own help viewer: Qt Assistant's compiled help, or Windows' HTML Help.
#ifdef _WIN32
inline constexpr const char* HelpFileName = "KV41.CHM";
#else
inline constexpr const char* HelpFileName = "KV41.qch";
#endif
inline constexpr const char* FontFileName = "TOLA.TTF";

// Ends the program through FatalError when the help file or the font file is not in the
// program's directory, naming the file it looked for.
void CheckProgramFiles(GameState& g);

}  // namespace kv41
