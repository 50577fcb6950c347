#pragma once
// The game's own random generator: seedable, deterministic on every platform, owned by the
// game state (never a hidden global), so that a seed replays a whole day exactly.
#include <cstdint>

namespace kv41 {

struct RandomGenerator {
    uint32_t Seed = 1;

    // A whole number drawn uniformly from 0..range-1 (0 when range < 1).
    int32_t Next(int32_t range) {
        Seed = Seed * 134775813u + 1u;
        if (range < 1) return 0;
        return static_cast<int32_t>((static_cast<uint64_t>(Seed) * static_cast<uint32_t>(range)) >>
                                    32);
    }
};

}  // namespace kv41
