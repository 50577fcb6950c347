#pragma once
// Run-time state of train movement kept between steps.
#include "model/train_tables.h"

namespace kv41 {

struct MovementState {
    // Something that the track-circuit lamps show has changed during this step; cleared at the
    // start of each step, read by the lamp drawing at its end.
    bool TrackLampsDirty = false;
    // The platform section (11 or 33) at whose end the train's overtaking was last judged, so
    // that a train standing there is judged once, not on every tick. Not carried by saved
    // positions: after a resume a train standing at the platform end may be judged once more.
    Table<int32_t, MaxTrains> OvertakingJudgedAt{};
};

}  // namespace kv41
