#pragma once
// The working timetable of the day, one row a train, and the engines that work it.
#include <array>
#include <string_view>

#include "model/table.h"

namespace kv41 {

constexpr int MaxTrains = 180;
constexpr int MaxEngines = 80;
constexpr int EngineUnknown = 999;  // the engine comes from an earlier train's next working

// Train states.
enum : uint8_t {
    TrainBlank = 0,
    TrainBooked = 1,
    TrainReported = 2,
    TrainAccepted = 3,
    TrainRunning = 4,
    TrainStanding = 5,
    TrainGone = 6
};

// Register times, 1-based as the register counts them: TrainTimes[i][RegLineClearGiven]...
enum : int {
    RegLineClearGiven = 1,  // line clear given to the box in rear
    RegTesReceived = 2,     // train entering section received from the box in rear
    RegToosSent = 3,        // train out of section sent to the box in rear
    RegLineClearObtained = 4,
    RegTesSent = 5,
    RegToosReceived = 6
};

struct TrainTables {
    int32_t TrainCount = 0;
    Table<int32_t, MaxTrains> TrainDue{};
    Table<int32_t, MaxTrains> TrainLate{};
    Table<int32_t, MaxTrains> TrainEngine{};
    Table<int32_t, MaxTrains> TrainNextWorking{};
    Table<int32_t, MaxTrains> TrainLength{};
    Table<int32_t, MaxTrains> TrainFrom{};
    Table<int32_t, MaxTrains> TrainTo{};
    Table<BoundedText<12>, MaxTrains> TrainOrigin{};
    Table<BoundedText<12>, MaxTrains> TrainDest{};
    Table<uint8_t, MaxTrains> TrainClass{};
    Table<uint8_t, MaxTrains> TrainState{};
    Table<int32_t, MaxTrains> TrainSect{};
    Table<int32_t, MaxTrains> TrainSpeed{};
    Table<int32_t, MaxTrains> TrainToGo{};
    // Register times 1..6 (element 0 unused, so TrainTimes[t][RegTesSent] reads as the register).
    Table<std::array<int32_t, 7>, MaxTrains> TrainTimes{};
    Table<int32_t, MaxTrains> TrainWait{};

    int32_t EngineCount = 0;
    Table<BoundedText<5>, MaxEngines> EngineNumber{};
};

// Train group by class: 1 passenger-type, 2 fast goods and light engines, 3 slow goods. Class
// C freight (5), which the day does not run, is fully fitted and goes with the fast goods.
constexpr int ClassGroup(int trainClass) {
    return trainClass <= 4 ? 1 : trainClass <= 9 ? 2 : 3;
}

// A number that names a row of the timetable.
constexpr bool IsTrain(const TrainTables& tables, int train) {
    return train >= 1 && train <= tables.TrainCount;
}

// The minute the train is expected: its booked time plus its lateness.
constexpr int DuePlusLate(const TrainTables& tables, int train) {
    const auto t = static_cast<std::size_t>(train);
    return tables.TrainDue[t] + tables.TrainLate[t];
}

// The group of the train in a row of the timetable.
constexpr int TrainGroup(const TrainTables& tables, int train) {
    return ClassGroup(tables.TrainClass[static_cast<std::size_t>(train)]);
}

// The sidings' line (3) serves both the yard road and the down sidings; a train to or from
// the down sidings names them ("Down Sdgs") as its origin.
inline bool FromDownSidings(const TrainTables& tables, int train) {
    return tables.TrainOrigin[static_cast<std::size_t>(train)].view().starts_with("D");
}

// The working timetable's name of a train class; "" outside 1..12.
constexpr std::string_view TrainClassName(int trainClass) {
    constexpr std::array<std::string_view, 13> Names{"",
                                                     "Express passenger",
                                                     "Ordinary passenger",
                                                     "Parcels",
                                                     "Empty coaching stock",
                                                     "Class C freight",
                                                     "Class D freight",
                                                     "Class E freight",
                                                     "Class F freight",
                                                     "Light engine(s)",
                                                     "Class H freight",
                                                     "Class J freight",
                                                     "Pickup freight"};
    if (trainClass < 1 || trainClass > 12) return "";
    return Names[static_cast<std::size_t>(trainClass)];
}

}  // namespace kv41
