#pragma once
// Run-time state of lever operation and block working kept between actions.
#include "model/railway_tables.h"

namespace kv41 {

struct BlockState {};

}  // namespace kv41
