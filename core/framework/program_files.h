#pragma once
// The files that must stand beside the program: the compiled help and the panel's font.
#include <string>

namespace kv41 {

struct GameState;

inline constexpr const char* HelpFileName = "KV41.qch";
inline constexpr const char* FontFileName = "TOLA.TTF";

// Ends the program through FatalError when the help file or the font file is not in the
// program's directory, naming the file it looked for.
void CheckProgramFiles(GameState& g);

}  // namespace kv41
