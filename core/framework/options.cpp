// Placeholder until the options window lands.
#include "framework/options.h"

namespace kv41 {
bool SetOption(GameState&, const std::string&, bool) {
    return false;
}
bool SetBellRules(GameState&, const std::string&) {
    return false;
}
}  // namespace kv41
