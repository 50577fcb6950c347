#include "replay/program_version.h"

#include "program_version_text.h"  // written by the build

namespace kv41 {

std::string ProgramVersion() {
    return KV41_VERSION_TEXT;
}

}  // namespace kv41
