// Placeholder until call messages land.
#include "session/call_messages.h"

namespace kv41 {
void CallMessage(GameState&, int, std::string_view) {}
void ReportDelay(GameState&, int) {}
}  // namespace kv41
