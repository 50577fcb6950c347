#pragma once
// What the information windows, the timetable file and the settings keep between uses.
#include <string>

#include "model/table.h"

namespace kv41 {

struct WindowsState {
    // The timetable file last written (a path: never cut).
    std::string TimetableFileName;
    // The settings key Clock as it was read: it is written back unchanged at the end of the
    // run, whatever a new game or the options window did to ClockRunning.
    bool ClockSettingRead = true;
};

}  // namespace kv41
