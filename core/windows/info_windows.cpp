// Placeholder until the information windows land.
#include "windows/info_windows.h"

namespace kv41 {
InfoWindow BuildHeldWindow(const GameState&) {
    return {};
}
InfoWindow BuildRegisterWindow(const GameState&) {
    return {};
}
InfoWindow BuildWttWindow(const GameState&) {
    return {};
}
InfoWindow BuildApproachingWindow(const GameState&) {
    return {};
}
}  // namespace kv41
