// Placeholder until the settings file lands.
#include "framework/settings.h"

namespace kv41 {
void LoadSettings(GameState&) {}
void StoreSettings(GameState&) {}
}  // namespace kv41
