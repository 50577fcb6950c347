// The consistency check of the running state: what must always hold between the tables.
#include "running/invariants.h"

#include <string>

#include "game_state.h"
#include "running/yard.h"

namespace kv41 {
namespace {

class Checker {
public:
    explicit Checker(const GameState& g) : g_(g) {}

    std::vector<std::string> Run() {
        CheckSections();
        CheckTrains();
        CheckLinesAndBoxes();
        CheckYard();
        if (g_.TrainsInArea < 0) Fail("TrainsInArea is below 0");
        return std::move(faults_);
    }

private:
    void Fail(std::string text) { faults_.push_back(std::move(text)); }

    std::string Sect(int s) const { return "section " + std::to_string(s); }
    std::string Train(int t) const { return "train " + std::to_string(t); }

    bool TrainRef(int t) const { return t >= 0 && t <= g_.TrainCount; }
    bool SectRef(int s) const { return s >= 0 && s <= g_.SectCount; }

    bool InArea(int t) const {
        return g_.TrainState[t] == TrainRunning || g_.TrainState[t] == TrainStanding;
    }
    // A next working put in a down siding in its engine's place holds the siding before its
    // first waiting tick makes it a standing train.
    bool WaitingInSiding(int t, int s) const {
        uint8_t state = g_.TrainState[t];
        return (state == TrainBooked || state == TrainReported) && g_.TrainSect[t] == s &&
               IsDownSiding(s);
    }
    bool HeldInYard(int t) const { return t != 0 && g_.YardTrain == t; }

    void CheckSections() {
        for (int s = 1; s <= g_.SectCount; ++s) {
            int t = g_.SectTrain[s];
            if (!TrainRef(t)) {
                Fail(Sect(s) + " is held by train " + std::to_string(t) + ", not in the timetable");
                continue;
            }
            if (g_.SectNext[s] < -BoxCount || g_.SectNext[s] > g_.SectCount) {
                Fail(Sect(s) + " leads on to " + std::to_string(g_.SectNext[s]) +
                     ", neither a section nor a box");
            }
            if (g_.SectLimit[s] < 0) Fail(Sect(s) + " has a negative speed limit");
            int behind = g_.SectBehind[s];
            if (!SectRef(behind)) {
                Fail(Sect(s) + " has section " + std::to_string(behind) +
                     " behind it, not a section");
            } else if (behind != 0 && (t == 0 || g_.SectTrain[behind] != t)) {
                Fail(Sect(s) + " links section " + std::to_string(behind) +
                     " behind it, which its train does not hold");
            }
            if (t != 0 && !InArea(t) && !WaitingInSiding(t, s)) {
                Fail(Sect(s) + " is held by " + Train(t) + " in state " +
                     std::to_string(g_.TrainState[t]) + ", not in the area");
            }
        }
    }

    // Marks the sections that a train holds through its head and tail chain; every occupied
    // section must be reached so from its own train.
    void CheckTrains() {
        Table<bool, MaxSections> reached{};
        for (int t = 1; t <= g_.TrainCount; ++t) {
            CheckTrainFields(t);
            if (!InArea(t)) continue;
            int head = g_.TrainSect[t];
            if (head < 1 || head > g_.SectCount) {
                Fail(Train(t) + " is in the area with no head section");
                continue;
            }
            if (g_.SectTrain[head] != t) {
                if (!HeldInYard(t)) {
                    Fail(Train(t) + " does not hold its head section " + std::to_string(head));
                }
                continue;
            }
            if (g_.TrainToGo[t] < 0 || g_.TrainToGo[t] > g_.SectLength[head]) {
                Fail(Train(t) + " has " + std::to_string(g_.TrainToGo[t]) + " yards to go in " +
                     Sect(head));
            }
            int s = head;
            for (int steps = 0; s >= 1 && s <= g_.SectCount && g_.SectTrain[s] == t; ++steps) {
                if (steps > g_.SectCount) {
                    Fail(Train(t) + " has a tail chain that loops");
                    break;
                }
                reached[s] = true;
                s = g_.SectBehind[s];
            }
        }
        for (int s = 1; s <= g_.SectCount; ++s) {
            int t = g_.SectTrain[s];
            if (t >= 1 && t <= g_.TrainCount && InArea(t) && !reached[s]) {
                Fail(Sect(s) + " is held by " + Train(t) + " but is not on its tail chain");
            }
        }
    }

    void CheckTrainFields(int t) {
        uint8_t state = g_.TrainState[t];
        if (state > TrainGone) Fail(Train(t) + " is in unknown state " + std::to_string(state));
        if (!SectRef(g_.TrainSect[t])) Fail(Train(t) + " has its head outside the sections");
        if (state == TrainGone && g_.TrainSect[t] != 0)
            Fail(Train(t) + " is gone but has a head section");
        if (g_.TrainSpeed[t] < 0) Fail(Train(t) + " has a negative speed");
        if (state != TrainBlank) {
            int engine = g_.TrainEngine[t];
            if (engine != EngineUnknown && (engine < 1 || engine > g_.EngineCount)) {
                Fail(Train(t) + " has engine " + std::to_string(engine) +
                     ", not in the engine table");
            }
        }
        if (!TrainRef(g_.TrainNextWorking[t])) {
            Fail(Train(t) + " names a next working not in the timetable");
        }
    }

    void CheckLinesAndBoxes() {
        for (int line = 1; line <= LineCount; ++line) {
            for (int slot = 0; slot < 4; ++slot) {
                if (!TrainRef(g_.LineTrains[line][slot])) {
                    Fail("line " + std::to_string(line) + " names train " +
                         std::to_string(g_.LineTrains[line][slot]) + ", not in the timetable");
                }
            }
        }
        for (int box = 1; box <= BoxCount; ++box) {
            std::string name = "box " + std::to_string(box);
            if (!TrainRef(g_.BoxOfferedTrain[box]))
                Fail(name + " offers a train not in the timetable");
            if (!TrainRef(g_.BoxTrain[box]))
                Fail(name + " has a train identified not in the timetable");
            if (!TrainRef(g_.BoxToosTrain[box]))
                Fail(name + " awaits train out of section for a train not in the timetable");
        }
    }

    void CheckYard() {
        int t = g_.YardTrain;
        if (!TrainRef(t)) {
            Fail("the yard holds train " + std::to_string(t) + ", not in the timetable");
        } else if (t != 0 &&
                   (g_.TrainState[t] != TrainStanding || g_.SectTrain[YardRoadSect] == t)) {
            Fail("the departure held in the yard, " + Train(t) +
                 ", is not standing off the yard road");
        }
    }

    const GameState& g_;
    std::vector<std::string> faults_;
};

}  // namespace

std::vector<std::string> CheckInvariants(const GameState& g) {
    return Checker(g).Run();
}

}  // namespace kv41
