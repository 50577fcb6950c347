// Trains that count down a wait: station stops, held trains, departures in the sidings.
#include "running/waiting_trains.h"

#include <string>

#include "controls/track_queries.h"
#include "framework/messages.h"
#include "framework/sounds.h"
#include "framework/text_grid.h"
#include "game_state.h"
#include "running/train_movement.h"
#include "running/yard.h"

namespace kv41 {
namespace {

constexpr Rgb HeldRed{160, 32, 32};
constexpr int HeldWarningMs = 2000;
// A train leaving a platform after its stop may start at up to this speed.
constexpr int PlatformStartLimit = 15;
constexpr int StarterCheckTicks = 5;

void StandingWaitOver(GameState& g, int train) {
    int sect = g.TrainSect[train];
    if (IsDownSiding(sect) && g.TrainFrom[train] == YardLine && g.YardTrain == 0 &&
        g.SectTrain[YardRoadSect] == 0) {
        DownSidingDepartureReady(g, train);
    } else if (sect == YardRoadSect && g.YardTrain == train) {
        RemindHeldDeparture(g, train);
    } else {
        ShowHeldWarning(g, train);
    }
}

// A station stop has run out: the train may start if its starting signal is off.
void StationStopOver(GameState& g, int train) {
    int sect = g.TrainSect[train];
    bool starterOff = IsReversed(g, 42) || IsReversed(g, 47);
    if (sect == UpPlatformSect || (sect == DownPlatformSect && starterOff)) {
        g.SectLimit[sect] = PlatformStartLimit;
    } else if (sect == DownPlatformSect) {
        g.TrainState[train] = TrainStanding;
        g.TrainWait[train] = StarterCheckTicks;
    }
}

}  // namespace

void WaitTrain(GameState& g, int train) {
    if (g.TrainWait[train] <= 0) return;
    --g.TrainWait[train];
    // A next working put in a down siding in place of its engine's last train stands there
    // from now on, whether or not it has been reported yet.
    uint8_t state = g.TrainState[train];
    if (state == TrainBooked || state == TrainReported) g.TrainState[train] = TrainStanding;
    if (g.TrainWait[train] > 0) return;
    if (g.TrainState[train] == TrainStanding) {
        StandingWaitOver(g, train);
    } else if (g.TrainState[train] == TrainRunning) {
        StationStopOver(g, train);
    }
}

void ShowHeldWarning(GameState& g, int train) {
    int engine = g.TrainEngine[train];
    std::string number =
        engine >= 1 && engine <= g.EngineCount ? g.EngineNumber[engine].str() : std::string();
    std::string text =
        std::to_string(g.TrainDue[train]).substr(0, 5) + " train (engine " + number + ") held  ";
    ClearMessageLine(g);
    ShowLineMessage(g, text, White, HeldRed);
    PlayWhistle(g);
    Pause(g, HeldWarningMs);
    ArmHeldWait(g, train);
    DefaultColours(g);
    ClearMessageLine(g);
}

}  // namespace kv41
