#pragma once
// The shift explained: every point gained and lost with its time, message and train, the points
// through the shift, and for each train that lost time in the area its minutes of delay split by
// cause. Built from the session's own record alone: its replay, played again out of sight (the
// game is deterministic from it), with the scoring and the trains watched as it goes.
#include <array>
#include <string>
#include <vector>

namespace kv41 {

struct GameState;

enum class ScoreKind {
    Loss,
    Gain,
    Position,  // the points a resumed or restarted session took over from its saved position
};

struct ScoreEvent {
    int Time = 0;  // the clock minute, and the tenths of it that had run
    int Tenth = 0;
    int Points = 0;  // signed
    ScoreKind Kind = ScoreKind::Loss;
    std::string Reason;   // as the score log keeps it, whole
    std::string Message;  // as the player read it ("You lose 2 points for ...")
    int Train = 0;        // the train concerned, 0 where the rule concerns none
    int Topic = 0;        // the help topic of the rule
    int Total = 0;        // the points after it
};

// One point of the curve: the points standing at the start of a minute.
struct CurvePoint {
    int Time = 0;
    int Points = 0;
};

// Why a train stood, in the order the review lists them.
enum class DelayCause {
    LateIn,      // the lateness it brought into the area
    Signal,      // at a home or starting signal at danger (or kept out: not yet accepted)
    LineClear,   // waiting for line clear from the box ahead, or refused by it
    Regulating,  // held for another train: the road it needed was held or set for another
    Yard,        // the yard or a siding not ready
    Errors,      // stopped by the player's own error (a wrong route)
};
constexpr int DelayCauseCount = 6;

struct TrainDelay {
    int Train = 0;
    // Tenths of a minute for each cause.
    std::array<int, DelayCauseCount> Tenths{};
    int PointsLost = 0;      // charged for its delay at the timing point
    int Entered = 0;         // the minute it entered the area (or was called), -240 none
    int Through = 0;         // the minute it left the area or ended in the sidings, -240 not yet
    int Accepted = 0;        // the minute line clear was given for it, -240 none
    int LostTenths() const;  // in the area: every cause but the lateness it brought
};

struct ClearRoad {
    int Train = 0;
    int Time = 0;
    int Points = 0;  // gained, or what it would have gained
    bool Given = false;
};

struct Debrief {
    bool Valid = false;
    int ShiftStart = 0, ShiftEnd = 0;
    int Target = 0;
    int StartPoints = 0;  // what the session began with
    int EndPoints = 0;    // the points at the end of the record
    int EndTime = 0;
    std::vector<ScoreEvent> Events;
    std::vector<CurvePoint> Curve;
    std::vector<TrainDelay> Delays;  // trains that lost time in the area, by the time they came
    std::vector<TrainDelay> Trains;  // every train, by its number (0 unused)
    std::vector<ClearRoad> Roads;
    std::vector<int> Overtakings;  // indexes into Events
    int Gained() const;
    int Lost() const;
};

// The debrief of a recorded session (a replay's text). Invalid when the text holds no start.
Debrief BuildDebrief(const std::string& replayText);

// The same day and start as the recorded session, played to the shift's end by the automatic
// signalman, out of sight, and explained alike.
Debrief SignalmansShift(const std::string& replayText);

// The debrief of the session the game is playing or has played, from its recorder.
Debrief DebriefOfSession(const GameState& g);

}  // namespace kv41
