#pragma once
// Run-time state of train movement kept between steps.
#include "model/train_tables.h"

namespace kv41 {

struct MovementState {
    // Something that the track-circuit lamps show has changed during this step; cleared at the
    // start of each step, read by the lamp drawing at its end.
    bool TrackLampsDirty = false;
    // The platform section (11 or 33) in whose passage the train's overtaking bonus has been
    // paid, 0 while it has not: the check runs on every tick the head stands at the platform
    // end and as it leaves, and pays the first time its conditions hold. Not in the position
    // file: a load derives it afresh from the position (DeriveOvertakingPaid).
    Table<int32_t, MaxTrains> OvertakingPaidAt{};
};

}  // namespace kv41
