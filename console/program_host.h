#pragma once
// What the console needs from the operating system it runs on, beside the game's platform:
// its own directory, its arguments as UTF-8 and byte-exact standard streams.
#include <string>
#include <vector>

namespace kv41 {

// The directory of the running program file; the current directory when the system cannot say.
std::string OwnProgramDirectory(const char* argv0);

// The command line's arguments, without the program's name, in UTF-8 (on Windows taken from the
// system's UTF-16 command line, whatever the code page).
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Standard input and output carry the game's bytes unchanged (no CR LF translation on Windows).
void UseBinaryStandardStreams();

}  // namespace kv41
