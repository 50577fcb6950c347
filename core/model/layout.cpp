// The one layout the game knows, built once when the start screen is prepared.
#include "model/layout.h"

#include "game_state.h"
#include "model/timetable.h"

namespace kv41 {

namespace {

struct SectionRow {
    int Length, Next, Limit;
};

// Sections in the order they are added (their numbers). 16, 27, 39 and 42 lead out to boxes
// 1 to 4; 19 and 20 are the two down-siding roads; 18 is the exchange siding's dead end.
constexpr SectionRow Sections[] = {
    {449, 43, 40},  {320, 3, 0},    {27, 7, 15},   {2539, 5, 15},  {320, 6, 0},    // 1-5
    {50, 38, 15},   {100, 8, 10},   {50, 9, 0},    {47, 11, 10},   {50, 32, 20},   // 6-10
    {207, 12, 0},   {50, 13, 15},   {30, 14, 15},  {620, 15, 0},   {200, 16, 60},  // 11-15
    {4713, -1, 60}, {100, 18, 10},  {100, 0, 10},  {260, 21, 0},   {260, 21, 0},   // 16-20
    {30, 23, 15},   {90, 23, 15},   {30, 24, 15},  {30, 25, 15},   {320, 26, 0},   // 21-25
    {700, 27, 25},  {4604, -2, 40}, {90, 13, 15},  {4440, 30, 60}, {773, 31, 17},  // 26-30
    {300, 10, 0},   {50, 33, 15},   {144, 34, 15}, {100, 35, 0},   {60, 36, 15},   // 31-35
    {50, 37, 15},   {50, 38, 15},   {50, 39, 15},  {1212, -3, 40}, {50, 41, 15},   // 36-40
    {330, 42, 0},   {2579, -4, 15}, {466, 2, 15},  {30, 23, 15},                   // 41-44
};
static_assert(std::size(Sections) == MaxSections);

constexpr int TrackCircuitWithName = 14;

struct LeverRow {
    int Kind;
    const char* Name;
    int X, Y, Side;
    std::array<int, 6> Pull;
    std::array<int, 6> Restore;
    std::array<int, 2> Track;
};

// The frame, lever 1 first. Pull and restore rows are the interlocking: +n lever n must be
// normal, -n reversed. Track rows: +n section n clear, -k the line to box k free, -6 the
// exchange sidings ready to send a train out.
constexpr LeverRow Levers[] = {
    {LeverDistant, "Up Distant", 45, 30, 1, {-2, -4}, {}, {}},
    {LeverStop, "Up Home", 180, 30, 1, {4, 6, 21}, {1}, {}},
    {LeverStop, "Up Branch Home", 140, 58, 1, {-14, -15, -21, -24, 20, 22}, {}, {}},
    {LeverStop, "Up Starter", 450, 30, 1, {33, -34, 35, 39, 44}, {1}, {-3}},
    {LeverSpare, "spare", 0, 0, 0, {}, {}, {}},
    {LeverStop, "Up Starter to LMS Loop", 447, 22, 1, {33, -34, -35, -36, 45}, {}, {-4}},
    {LeverSpare, "spare", 0, 0, 0, {}, {}, {}},
    {LeverSpare, "spare", 0, 0, 0, {}, {}, {}},
    {LeverSpare, "spare", 0, 0, 0, {}, {}, {}},
    {LeverSpare, "spare", 0, 0, 0, {}, {}, {}},
    {LeverGap, "no lever", 0, 0, 0, {}, {}, {}},
    {LeverDetonator, "Up Detonator Placer", 375, 32, 0, {}, {}, {}},
    {LeverStop, "Up Branch to Down Sidings", 138, 66, 1, {-14, 15, 23}, {}, {}},
    {LeverFpl, "Up Branch FPL", 0, 0, 4, {}, {3, 13}, {}},
    {LeverPoints, "Up Branch to Up Main", 0, 0, 4, {14, 27, 29, 42, -24}, {14}, {}},
    {LeverSpare, "spare", 0, 0, 0, {}, {}, {}},
    {LeverSpare, "spare", 0, 0, 0, {}, {}, {}},
    {LeverSpare, "spare", 0, 0, 0, {}, {}, {}},
    {LeverSpare, "spare", 0, 0, 0, {}, {}, {}},
    {LeverStop, "North Shunt Up from Down Main", 189, 40, 3, {22, 47, 3}, {}, {}},
    {LeverPoints, "North Crossover", 0, 0, 4, {2, 20, 22, 47}, {3, 20, 22}, {}},
    {LeverStop, "North Shunt Down from Up Main", 239, 38, 3, {2, 20, 3}, {}, {}},
    {LeverPoints, "Branch to Down Sidings", 0, 0, 4, {13, 27, 29}, {13, 42}, {}},
    {LeverPoints, "Down Main to Down Branch", 0, 0, 4, {25}, {3, 25, 15}, {}},
    {LeverFpl, "Down Main to Branch FPL", 0, 0, 4, {}, {42, 47}, {}},
    {LeverPoints, "Down Siding No. 1 Trap", 0, 0, 4, {}, {13, 27}, {}},
    {LeverStop, "Down Siding No. 1 to Branch", 228, 66, 3, {13, 15, 23, -26, 28}, {}, {}},
    {LeverPoints, "Down Siding No. 2 Trap", 0, 0, 4, {13, 27}, {13, 29}, {}},
    {LeverStop, "Down Siding No. 2 to Branch", 228, 76, 3, {13, 15, 23, -28}, {}, {}},
    {LeverStop, "Exchange Sidings Up Starter", 400, 63, 1, {-31, -32, 43, 48, 49, 50}, {}, {-6}},
    {LeverStop, "South Shunt Up from Down Main", 435, 40, 3, {44, 49, 50}, {30}, {}},
    {LeverPoints, "Down Main to Exchange Sidings", 0, 0, 4, {38}, {30, 38}, {}},
    {LeverPoints, "South Crossover", 0, 0, 4, {4, 6, 31, 45, 49, 50}, {31, 44}, {}},
    {LeverFpl, "Up Main to Up LMS Loop FPL", 0, 0, 4, {}, {4, 6}, {}},
    {LeverPoints, "Up Main to Up LMS Loop", 0, 0, 4, {34}, {34, 45}, {}},
    {LeverPoints, "Up LMS Loop Trap", 0, 0, 4, {}, {6, 45}, {}},
    {LeverSpare, "spare", 0, 0, 0, {}, {}, {}},
    {LeverFpl, "Down Main to Exchange Sidngs FPL", 0, 0, 4, {}, {43, 48}, {}},
    {LeverPoints, "Down LMS Loop to Down Main", 0, 0, 4, {50, 4, -35}, {49}, {}},
    {LeverDetonator, "Down Detonator Placer", 385, 42, 0, {}, {}, {}},
    {LeverGap, "No lever", 0, 0, 0, {}, {}, {}},
    {LeverStop, "Down Main to Down Branch Starter", 250, 55, 2, {15, -23, -24, -25, 46}, {}, {-2}},
    {LeverStop, "Down Main to Exchange Sidings Home", 432, 56, 2, {30, -32, -38}, {}, {}},
    {LeverStop, "South Shunt Down from Up Main", 488, 38, 3, {4, 6, 31, 43}, {}, {}},
    {LeverStop, "Up LMS Loop Backing Signal", 553, 5, 2, {-35, -36, -44, -33, 43}, {}, {}},
    {LeverStop, "Down Advanced Starter", 53, 48, 2, {}, {51}, {-1}},
    {LeverStop, "Down Main Starter", 248, 47, 2, {20, 21, 24, -25, 46}, {51}, {}},
    {LeverStop, "Down Main Inner Home", 430, 48, 2, {32, -38, 47}, {51}, {}},
    {LeverStop, "Down LMS Loop Home", 563, 26, 2, {33, -39}, {}, {}},
    {LeverStop, "Down Main Home", 533, 48, 2, {33, 39, 48}, {51}, {}},
    {LeverDistant, "Down Distant", 573, 48, 2, {-46, -47, -48, -50}, {}, {}},
};
static_assert(std::size(Levers) == LeverCount);

struct LineRow {
    int Headway;
    const char* Code;
};
constexpr LineRow Lines[] = {{9, "PF"}, {11, "BL"}, {1, "EX"}, {2, "HO"}, {9, "RR"}};
static_assert(std::size(Lines) == LineCount);

struct BoxRow {
    const char* Name;
    int EntrySect;
    std::array<int, 3> LeadA, LeadB;
};
constexpr BoxRow Boxes[] = {
    {"Pellingford ", 29, {4, 5, 7}, {4, 6, 8}},
    {"Brenley", 27, {7, 9, 9}, {7, 9, 9}},
    {"Hollowmer Jn", 1, {2, 2, 3}, {3, 3, 4}},
    {"Radlow Rd Jn", 4, {8, 8, 8}, {3, 3, 4}},
};
static_assert(std::size(Boxes) == BoxCount);

template <std::size_t N>
bool HasEntries(const std::array<int, N>& row) {
    for (int entry : row)
        if (entry != 0) return true;
    return false;
}

template <std::size_t N>
std::array<int32_t, N> Stored(const std::array<int, N>& entries) {
    std::array<int32_t, N> row{};
    for (std::size_t i = 0; i < N; ++i) row[i] = entries[i];
    return row;
}

}  // namespace

void AddSection(GameState& g, std::string_view name, int length, int next, int limit) {
    const int s = ++g.SectCount;
    g.SectName[s] = name;
    g.SectLength[s] = length;
    g.SectTrain[s] = 0;
    g.SectNext[s] = next;
    g.SectBehind[s] = 0;
    g.SectLimit[s] = limit;
}

void AddLever(GameState& g, int number, int kind, int x, int y, int side, std::string_view name) {
    g.LeverKind[number] = static_cast<uint8_t>(kind);
    g.LeverName[number] = name;
    g.LeverX[number] = x;
    g.LeverY[number] = y;
    g.LeverSide[number] = static_cast<uint8_t>(side);
    g.LeverNormal[number] = 1;
    g.LeverPullLock[number] = {};
    g.LeverRestoreLock[number] = {};
    g.LeverPullTrack[number] = {};
    g.LeverRestoreTrack[number] = {};
}

void SetPullLock(GameState& g, int lever, std::array<int, 6> entries) {
    g.LeverPullLock[lever] = Stored(entries);
}

void SetRestoreLock(GameState& g, int lever, std::array<int, 6> entries) {
    g.LeverRestoreLock[lever] = Stored(entries);
}

void SetPullTrack(GameState& g, int lever, std::array<int, 2> entries) {
    g.LeverPullTrack[lever] = Stored(entries);
}

void AddLine(GameState& g, int number, int headway, std::string_view code) {
    g.LineCode[number] = code;
    g.LineHeadway[number] = headway;
    g.LineLastTime[number] = NoTime;
    g.LineTrains[number] = {1, 0, 0, 0};
}

void AddBox(GameState& g, int number, int entrySection, std::array<int, 3> leadA,
            std::string_view name) {
    g.BoxName[number] = name;
    g.BoxEntrySect[number] = entrySection;
    g.BoxLeadA[number] = Stored(leadA);
    g.BoxBlock[number] = {LineBlocked, LineBlocked};
    // The box's own block working starts quiet: no bells, no trains, no times.
    g.BoxBellShown[number] = 0;
    g.BoxBellSent[number] = 0;
    g.BoxBellAnswered[number] = 0;
    g.BoxRingPending[number] = 0;
    g.BoxLastRingTime[number] = NoTime;
    g.BoxOfferedTrain[number] = 0;
    g.BoxAttending[number] = 0;
    g.BoxAwaitingAttn[number] = 0;
    g.BoxHeldCode[number] = 0;
    g.BoxAttnAnswered[number] = 0;
    g.BoxAcceptedCode[number] = 0;
    g.BoxTrain[number] = 0;
    g.BoxLineClearTime[number] = NoTime;
    g.BoxTesTime[number] = NoTime;
    g.BoxTrainGone[number] = 0;
    g.BoxShuntForward[number] = 0;
    g.BoxBlockedBack[number] = 0;
    g.BoxWarningGiven[number] = 0;
    g.BoxToosTrain[number] = 0;
    g.BoxToosDeadline[number] = 0;
}

void SetBoxLeadB(GameState& g, int number, std::array<int, 3> leadB) {
    g.BoxLeadB[number] = Stored(leadB);
}

void BuildLayout(GameState& g) {
    g.SectCount = 0;
    for (int s = 1; s <= MaxSections; ++s) {
        const SectionRow& row = Sections[s - 1];
        AddSection(g, s == TrackCircuitWithName ? "47T" : "   ", row.Length, row.Next, row.Limit);
    }
    for (int lever = 1; lever <= LeverCount; ++lever) {
        const LeverRow& row = Levers[lever - 1];
        AddLever(g, lever, row.Kind, row.X, row.Y, row.Side, row.Name);
        if (HasEntries(row.Pull)) SetPullLock(g, lever, row.Pull);
        if (HasEntries(row.Restore)) SetRestoreLock(g, lever, row.Restore);
        if (HasEntries(row.Track)) SetPullTrack(g, lever, row.Track);
    }
    for (int line = 1; line <= LineCount; ++line)
        AddLine(g, line, Lines[line - 1].Headway, Lines[line - 1].Code);
    for (int box = 1; box <= BoxCount; ++box)
        AddBox(g, box, Boxes[box - 1].EntrySect, Boxes[box - 1].LeadA, Boxes[box - 1].Name);
    for (int box = 1; box <= BoxCount; ++box) SetBoxLeadB(g, box, Boxes[box - 1].LeadB);
    BuildTimetable(g);
}

}  // namespace kv41
