// How a train runs along the track sections.
#include "running/train_movement.h"

#include <algorithm>
#include <cstdlib>

#include "game_state.h"
#include "model/clock.h"
#include "running/call_messages.h"
#include "running/exit_checks.h"
#include "running/section_entry.h"
#include "running/yard.h"

namespace kv41 {
namespace {

// Held-warning waits in ticks: passenger-type trains are missed sooner.
constexpr int HeldWaitFast = 20;
constexpr int HeldWaitOthers = 50;
constexpr int StationStopTicks = 5;
// A tick is six seconds: a train runs 3 yards for every mph of its average speed.
constexpr int YardsPerMphTick = 3;

struct Performance {
    int TopSpeed;
    int Acceleration;
    int Braking;
};

// Drawn afresh every tick, so that trains of one group do not run in lock-step.
Performance DrawPerformance(GameState& g, int group) {
    switch (group) {
    case 1: return {51 + g.Random.Next(10), 2, 4};
    case 2: return {31 + g.Random.Next(10), 1, 3};
    default: return {18 + g.Random.Next(8), 1, 2};
    }
}

// Whole-number braking rule: brake once the distance left after this tick's run at the present
// speed is less than the distance needed to stop.
bool MustBrake(int toGo, int speed, int braking) {
    return (toGo - YardsPerMphTick * speed) < ((YardsPerMphTick * speed * speed) / 2) / braking;
}

int NewSpeed(int speed, int target, const Performance& perf, int toGo) {
    int gap = std::abs(target - speed);
    int change = gap;
    if (gap > perf.Acceleration) {
        if (target > speed) {
            change = perf.Acceleration;
        } else {
            change = MustBrake(toGo, speed, perf.Braking) ? perf.Braking : 0;
        }
    }
    int result = target > speed ? speed + change : speed - change;
    return std::max(result, 0);
}

bool IsPlatform(int sect) {
    return sect == DownPlatformSect || sect == UpPlatformSect;
}

// The overtaking of a slower train is judged at a platform end on every tick the head stands
// there and as it leaves, and paid at most once per passage: the first time it holds, which
// may be when the slower train draws into the siding while the faster one stands.
void JudgeOvertaking(GameState& g, int train, int sect) {
    if (!IsPlatform(sect) || g.OvertakingPaidAt[train] == sect) return;
    if (OvertakingCheck(g, train)) g.OvertakingPaidAt[train] = sect;
}

bool AtTimingPoint(const GameState& g, int sect, int train) {
    int to = g.TrainTo[train];
    return (sect == DownPlatformSect && (to == 1 || to == 2)) ||
           (sect == UpPlatformSect && (to == 4 || to == 5));
}

void EnterNextSection(GameState& g, int train, int sect, int next, int distance) {
    JudgeOvertaking(g, train, sect);
    SectionEntryRules(g, next, train);
    if (AtTimingPoint(g, next, train)) DelayCheck(g, train);
    g.SectBehind[next] = sect;
    g.TrainToGo[train] = std::max(g.SectLength[next] + g.TrainToGo[train] - distance, 0);
    g.TrainSect[train] = next;
    g.OvertakingPaidAt[train] = 0;
}

// The train's run ends with its head in sect: it is finished with, out of the area, and holds
// no section any more, its tail included.
void EndRun(GameState& g, int train, int sect) {
    g.SectTrain[sect] = 0;
    FinishTrain(g, train);
    LeaveArea(g);
    ReleaseTail(g, sect);
}

// An arrival for the exchange sidings has run to the end of the yard road.
void ArriveInYard(GameState& g, int train, int sect) {
    EndRun(g, train, sect);
    if (g.TrainTimes[train][RegToosSent] == NoTime) SetToosDeadline(g, train);
    AnnounceHeldDeparture(g);
}

void LeaveToBox(GameState& g, int train, int sect, int box) {
    EndRun(g, train, sect);
    ExitChecks(g, train, box);
}

// Gives up the sections that the train's length no longer reaches.
void ReleaseUncoveredTail(GameState& g, int train, int head) {
    int rest = g.TrainLength[train] - (g.SectLength[head] - g.TrainToGo[train]);
    int front = head;
    int behind = g.SectBehind[head];
    for (int guard = 0; behind >= 1 && behind <= g.SectCount && guard < MaxSections; ++guard) {
        if (rest <= 0) {
            g.SectTrain[behind] = 0;
            g.SectBehind[front] = 0;
        }
        rest -= g.SectLength[behind];
        front = behind;
        behind = g.SectBehind[behind];
    }
}

void ComeToStand(GameState& g, int train, int sect) {
    g.TrainState[train] = TrainStanding;
    int trainClass = g.TrainClass[train];
    bool stoppingPassenger =
        trainClass == 2 && ((sect == DownPlatformSect && g.TrainTo[train] == 2) ||
                            (sect == UpPlatformSect && g.TrainFrom[train] == 2));
    if (stoppingPassenger) {
        g.TrainWait[train] = StationStopTicks;
        g.TrainState[train] = TrainRunning;
    } else if (IsDownSiding(sect)) {
        if (g.TrainFrom[train] != YardLine && g.TrainTimes[train][RegToosSent] == NoTime) {
            SetToosDeadline(g, train);
        }
        if (g.TrainTo[train] == YardLine) {
            // A long train may still hold the sections behind the siding: it is finished with.
            ReleaseTail(g, sect);
            TerminateInDownSiding(g, train, sect);
        } else {
            ArmHeldWait(g, train);
        }
    } else {
        ArmHeldWait(g, train);
    }
}

}  // namespace

void LeaveArea(GameState& g) {
    g.TrainsInArea = std::max(g.TrainsInArea - 1, 0);
}

void ArmHeldWait(GameState& g, int train) {
    g.TrainWait[train] = g.TrainClass[train] <= 3 ? HeldWaitFast : HeldWaitOthers;
}

void FinishTrain(GameState& g, int train) {
    g.TrainSect[train] = 0;
    g.TrainState[train] = TrainGone;
    g.TrainSpeed[train] = 0;
    int next = g.TrainNextWorking[train];
    if (!IsTrain(g, next)) return;
    g.TrainEngine[next] = g.TrainEngine[train];
    // The engine's lateness carries over to its next working, less ten minutes of recovery.
    int carried = g.ClockNow - g.TrainDue[train] - 10;
    if (g.TrainLate[next] < carried) g.TrainLate[next] = g.Random.Next(10) + carried;
    ReportDelay(g, next);
}

void ReleaseTail(GameState& g, int sect) {
    int front = sect;
    int behind = g.SectBehind[sect];
    for (int guard = 0; behind >= 1 && behind <= g.SectCount && guard < MaxSections; ++guard) {
        g.SectTrain[behind] = 0;
        g.SectBehind[front] = 0;
        front = behind;
        behind = g.SectBehind[behind];
    }
    g.SectBehind[front] = 0;
}

void MoveTrain(GameState& g, int train) {
    // A train in the area needs the signalman: no fast running meanwhile.
    EndSpeedUp(g);
    // A departure taken back into the yard stands off the panel and holds no section.
    if (g.YardTrain == train) return;
    int sect = g.TrainSect[train];
    if (sect < 1 || sect > g.SectCount) return;

    int limit = g.SectLimit[sect];
    Performance perf = DrawPerformance(g, TrainGroup(g, train));
    int target = std::min(limit, perf.TopSpeed);
    int speed = g.TrainSpeed[train];
    int toGo = g.TrainToGo[train];
    int newSpeed = NewSpeed(speed, target, perf, toGo);
    int distance = YardsPerMphTick * ((speed + newSpeed) / 2);

    // The train stops with its head exactly at the end of the section, never beyond it.
    if (limit == 0 && distance > toGo) {
        distance = toGo;
        newSpeed = 0;
    } else if (limit < newSpeed && distance > toGo) {
        distance = toGo;
        newSpeed = limit;
    }
    int next = g.SectNext[sect];
    if (next > g.SectCount || next < -BoxCount) next = 0;  // a route into nowhere ends here
    if (distance >= toGo) {
        // No way on (a dead end), or the next section is held by another train: the train
        // stands at the end of its section rather than run into the buffers or the other train.
        bool blocked = next == 0 || (next >= 1 && g.SectTrain[next] != 0);
        if (blocked) {
            distance = toGo;
            newSpeed = 0;
        }
    }

    g.TrainSpeed[train] = newSpeed;
    if (newSpeed != 0) g.TrainState[train] = TrainRunning;
    g.TrackLampsDirty = true;

    if (distance > toGo && next >= 1) {
        EnterNextSection(g, train, sect, next, distance);
        sect = next;
    } else {
        g.TrainToGo[train] = toGo - distance;
        if (g.TrainToGo[train] <= 0) {
            g.TrainToGo[train] = 0;
            JudgeOvertaking(g, train, sect);
            if (sect == YardRoadSect && g.TrainTo[train] == YardLine) {
                ArriveInYard(g, train, sect);
                return;
            }
            if (next < 0) {
                LeaveToBox(g, train, sect, -next);
                return;
            }
        }
    }

    ReleaseUncoveredTail(g, train, sect);
    if (newSpeed == 0 && g.TrainState[train] != TrainStanding && g.TrainWait[train] == 0) {
        ComeToStand(g, train, sect);
    }
}

}  // namespace kv41
