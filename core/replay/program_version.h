#pragma once
// The program's version as the build names it: the version number and the source revision, for
// example "0.1 (3f2c1ab)", so that a replay or a report says what it was made with.
#include <string>

namespace kv41 {

std::string ProgramVersion();

}  // namespace kv41
