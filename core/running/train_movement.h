#pragma once
// How a train runs along the track sections: its speed by group, braking for the end of a
// section, entering the next section, giving up the sections behind it, coming to a stand,
// and finishing when it leaves the area or terminates.
namespace kv41 {

struct GameState;

// Sections with fixed meanings for the running of trains.
constexpr int DownPlatformSect = 11;  // down main platform
constexpr int UpPlatformSect = 33;    // up main platform

// One train fewer in the area (it left, or came to rest in the yard or a down siding); the
// count never goes below 0.
void LeaveArea(GameState& g);

// After this many ticks standing, the held warning is shown: 20 for classes 1 to 3, 50 others.
void ArmHeldWait(GameState& g, int train);

// The train is finished with: gone, and its engine passes to its next working, whose lateness
// follows this train's and which the box reports if it is due.
void FinishTrain(GameState& g, int train);

// Gives up every section of the tail chain behind `sect` (the section itself stays held).
void ReleaseTail(GameState& g, int sect);

// One tick of a train in the area (state 4 or 5): speed, distance, the next section, the tail,
// coming to a stand.
void MoveTrain(GameState& g, int train);

}  // namespace kv41
