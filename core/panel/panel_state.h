#pragma once
// What the panel drawing remembers between paints.
#include "model/railway_tables.h"

namespace kv41 {

struct PanelState {
    // The instrument states last drawn, so that a paint redraws only what changed.
    Table<std::array<uint8_t, 2>, BoxCount> BoxInstrumentDrawn{};
    int32_t YardSignDrawn = -1;
};

}  // namespace kv41
