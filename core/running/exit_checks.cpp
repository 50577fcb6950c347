// The checks made as a train leaves the area to a neighbouring box.
#include "running/exit_checks.h"

#include <string>

#include "framework/messages.h"
#include "game_state.h"
#include "model/bell_codes.h"
#include "model/clock.h"
#include "running/yard.h"

namespace kv41 {
namespace {

// Train out of section to the box in rear is due this many minutes after the train has gone.
constexpr int ToosMinutes = 5;

std::string BeatsText(int code) {
    return std::string(BellCodeOf(code).Text);
}

// What the box ahead was told about the train that has now passed into its section.
void CheckBellsToBoxAhead(GameState& g, int train, int box) {
    auto& times = g.TrainTimes[train];
    if (g.BoxLineClearTime[box] != NoTime) times[RegLineClearObtained] = g.BoxLineClearTime[box];
    if (g.BoxTesTime[box] != NoTime) times[RegTesSent] = g.BoxTesTime[box];
    std::string booked = FormatClock(g.TrainDue[train]);
    if (times[RegTesSent] == NoTime) {
        LosePoints(g, 1, "Train Entering Section for " + booked + " not sent to " + g.BoxName[box]);
    }
    int from = g.TrainFrom[train];
    if (times[RegToosSent] == NoTime) {
        if (from == 4) {
            LosePoints(
                g, 1,
                "Train Out Of Section not sent for " + booked + " from " + g.TrainOrigin[train]);
        } else if (from == 1 || from == 2 || from == 5) {
            SetToosDeadline(g, train);
        }
    }
    int needed = LineClearCode(g.TrainClass[train], g.TrainTo[train]);
    int accepted = g.BoxAcceptedCode[box];
    // The branch codes are not charged: the branch box accepts its trains under either.
    if (accepted != needed && needed != 4 && needed != 15) {
        LosePoints(g, 2,
                   "line clear for " + BeatsText(accepted) + " - " + booked + " needs " +
                       BeatsText(needed));
    }
    // The box's record is ready for our next train.
    g.BoxAcceptedCode[box] = 0;
    g.BoxLineClearTime[box] = NoTime;
    g.BoxTesTime[box] = NoTime;
    g.BoxTrain[box] = 0;
}

}  // namespace

void ExitChecks(GameState& g, int train, int box) {
    if (box < 1 || box > BoxCount) return;
    g.BoxTrainGone[box] = 1;
    g.TrainTimes[train][RegToosReceived] = g.ClockNow;
    if (g.BoxTrain[box] == train) CheckBellsToBoxAhead(g, train, box);
}

void SetToosDeadline(GameState& g, int train) {
    int from = g.TrainFrom[train];
    if (from < 1 || from > LineCount || from == YardLine) return;
    int slot = from > 2 ? from - 1 : from;
    g.BoxToosTrain[slot] = train;
    g.BoxToosDeadline[slot] = g.ClockNow + ToosMinutes;
}

}  // namespace kv41
