#pragma once
// Run-time state of train movement kept between steps.
#include "model/train_tables.h"

namespace kv41 {

struct MovementState {};

}  // namespace kv41
