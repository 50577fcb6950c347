// Placeholder until the timetable file lands.
#include "windows/wtt_file.h"

namespace kv41 {
void OfferWttFile(GameState&) {}
bool WriteWttFile(GameState&, const std::string&) {
    return false;
}
}  // namespace kv41
