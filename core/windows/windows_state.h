#pragma once
// What the information windows and saved positions keep between uses.
#include "model/table.h"

namespace kv41 {

struct WindowsState {};

}  // namespace kv41
