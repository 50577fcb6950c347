// Placeholder until the click regions land.
#include "panel/click_regions.h"

namespace kv41 {
void BuildClickRegions(GameState&) {}
int HitTest(const GameState&, int, int) {
    return 0;
}
}  // namespace kv41
