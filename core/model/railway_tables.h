#pragma once
// The railway round the junction: track sections, the lever frame with its locking, the lines
// by which trains come and go, and the block instruments shared with the neighbouring boxes.
#include "model/table.h"

namespace kv41 {

constexpr int MaxSections = 44;
constexpr int LeverCount = 51;
constexpr int LineCount = 5;
constexpr int BoxCount = 4;
constexpr int NoTime = -240;  // "no time" in every time field

// Lever kinds.
enum : uint8_t {
    LeverSpare = 0,
    LeverGap = 1,
    LeverDistant = 2,
    LeverStop = 3,
    LeverPoints = 4,
    LeverFpl = 5,
    LeverDetonator = 6
};

// Block instrument states.
enum : uint8_t { TrainOnLine = 0, LineClear = 1, LineBlocked = 2 };

struct RailwayTables {
    // Track sections 1..SectCount.
    int32_t SectCount = 0;
    Table<BoundedText<4>, MaxSections> SectName{};
    Table<int32_t, MaxSections> SectLength{};
    Table<int32_t, MaxSections> SectTrain{};
    Table<int32_t, MaxSections> SectNext{};    // section, 0 dead end, -k out towards box k
    Table<int32_t, MaxSections> SectBehind{};  // the section behind still held by the same train
    Table<int32_t, MaxSections> SectLimit{};   // mph; 0 = stop at the end

    // Levers 1..51.
    Table<uint8_t, LeverCount> LeverKind{};
    Table<BoundedText<35>, LeverCount> LeverName{};
    Table<int32_t, LeverCount> LeverX{};
    Table<int32_t, LeverCount> LeverY{};
    Table<uint8_t, LeverCount> LeverSide{};
    Table<uint8_t, LeverCount> LeverNormal{};
    Table<std::array<int32_t, 6>, LeverCount> LeverPullLock{};
    Table<std::array<int32_t, 6>, LeverCount> LeverRestoreLock{};
    Table<std::array<int32_t, 2>, LeverCount> LeverPullTrack{};
    Table<std::array<int32_t, 2>, LeverCount> LeverRestoreTrack{};

    // Lines 1..5: 1, 2 to boxes 1, 2; 3 the sidings; 4, 5 to boxes 3, 4.
    Table<BoundedText<2>, LineCount> LineCode{};
    Table<int32_t, LineCount> LineHeadway{};
    Table<int32_t, LineCount> LineLastTime{};
    Table<std::array<int32_t, 4>, LineCount>
        LineTrains{};  // [0] next to offer, [1..3] first of group

    // Neighbouring boxes 1..4 (the fixed part; their block-working state is BoxWorkingState).
    Table<BoundedText<18>, BoxCount> BoxName{};
    Table<int32_t, BoxCount> BoxEntrySect{};
    Table<std::array<int32_t, 3>, BoxCount> BoxLeadA{};  // per group 1..3 at [0..2]
    Table<std::array<int32_t, 3>, BoxCount> BoxLeadB{};
    Table<std::array<uint8_t, 2>, BoxCount> BoxBlock{};  // [0] outgoing (to the box), [1] incoming
};

// The box that a line leads to (0 for the sidings), and the line that leads to a box.
constexpr int BoxOfLine(int line) {
    return line == 1 ? 1 : line == 2 ? 2 : line == 4 ? 3 : line == 5 ? 4 : 0;
}
constexpr int LineOfBox(int box) {
    return box == 1 ? 1 : box == 2 ? 2 : box == 3 ? 4 : box == 4 ? 5 : 0;
}

}  // namespace kv41
