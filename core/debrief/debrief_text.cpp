#include "debrief/debrief_text.h"

#include "game_state.h"
#include "model/clock.h"
#include "signalman/signalman_moves.h"

namespace kv41 {

namespace {

constexpr const char* CauseNames[DelayCauseCount] = {"late in",      "at signals", "line clear",
                                                     "other trains", "yard",       "own errors"};

std::string Trim(std::string text) {
    while (!text.empty() && text.front() == ' ') text.erase(0, 1);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string NameOf(const GameState& g, int train) {
    return train >= 1 && train <= g.TrainCount ? TrainName(g, train) : std::string();
}

std::string Signed(int points) {
    return points > 0 ? "+" + std::to_string(points) : std::to_string(points);
}

std::string EventTime(const ScoreEvent& e) {
    return ClockText(e.Time);
}

ReviewRow EventRow(const ScoreEvent& e, const GameState& g) {
    ReviewRow row;
    row.Cells = {EventTime(e), Signed(e.Points), e.Message, NameOf(g, e.Train),
                 std::to_string(e.Total)};
    row.SortKeys = {e.Time * 10 + e.Tenth, e.Points, 0, e.Train != 0 ? g.TrainDue[e.Train] : 0,
                    e.Total};
    row.Minute = e.Time;
    row.Topic = e.Topic;
    row.Train = e.Train;
    return row;
}

ReviewRow DelayRow(const TrainDelay& d, const Debrief* ghost, const GameState& g) {
    ReviewRow row;
    row.Cells = {NameOf(g, d.Train), MinutesText(d.LostTenths())};
    row.SortKeys = {g.TrainDue[d.Train], d.LostTenths()};
    for (int c = 0; c < DelayCauseCount; ++c) {
        row.Cells.push_back(d.Tenths[c] > 0 ? MinutesText(d.Tenths[c]) : "");
        row.SortKeys.push_back(d.Tenths[c]);
    }
    row.Cells.push_back(d.PointsLost > 0 ? Signed(-d.PointsLost) : "");
    row.SortKeys.push_back(-d.PointsLost);
    if (ghost) {
        row.Cells.push_back(SignalmansHandling(g, *ghost, d.Train));
        row.SortKeys.push_back(0);
    }
    // Going back to the minute the train came in lets the player work it again.
    row.Minute = d.Entered != 0 ? d.Entered : g.TrainDue[d.Train];
    row.Topic = 610;
    row.Train = d.Train;
    return row;
}

std::string CurveText(const Debrief& d) {
    std::string text;
    for (const CurvePoint& p : d.Curve) {
        if (p.Time % 60 != 0 && &p != &d.Curve.back()) continue;
        if (!text.empty()) text += ", ";
        text += ClockText(p.Time) + " " + std::to_string(p.Points);
    }
    return text;
}

}  // namespace

std::string ClockText(int time) {
    return Trim(FormatClock(time));
}

std::string MinutesText(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string SignalmansHandling(const GameState& g, const Debrief& ghost, int train) {
    if (train < 1 || train >= static_cast<int>(ghost.Trains.size())) return {};
    const TrainDelay& his = ghost.Trains[static_cast<std::size_t>(train)];
    const std::string name = "the " + ClockText(g.TrainDue[train]);
    std::string text = "the signalman ";
    if (his.Accepted != NoTime) {
        text += "accepted " + name + " at " + ClockText(his.Accepted);
        text += his.Through != 0 ? " and had it through by " + ClockText(his.Through)
                                 : "; it was not through by the end";
    } else if (his.Through != 0) {
        text += "had " + name + " through by " + ClockText(his.Through);
    } else {
        return "the signalman did not have " + name + " through";
    }
    if (his.LostTenths() > 0) text += " (" + MinutesText(his.LostTenths()) + " min held)";
    return text;
}

ReviewTables ReviewTablesOf(const Debrief& d, const Debrief* ghost, const GameState& g) {
    ReviewTables t;
    t.Heading = Trim(g.ShiftName.str()) + " shift, " + ClockText(d.ShiftStart) + " to " +
                ClockText(d.ShiftEnd) + ": " + std::to_string(d.EndPoints) +
                " points of a target of " + std::to_string(d.Target);
    t.EventColumns = {"Time", "Points", "Message", "Train", "Total"};
    for (const ScoreEvent& e : d.Events) t.Events.push_back(EventRow(e, g));
    t.DelayColumns = {"Train", "Lost"};
    for (const char* cause : CauseNames) t.DelayColumns.emplace_back(cause);
    t.DelayColumns.emplace_back("Points");
    if (ghost) t.DelayColumns.emplace_back("The signalman");
    for (const TrainDelay& delay : d.Delays) t.Delays.push_back(DelayRow(delay, ghost, g));

    int position = 0, given = 0, givenPoints = 0, missed = 0, missedPoints = 0, overtaking = 0;
    for (const ScoreEvent& e : d.Events) {
        if (e.Kind == ScoreKind::Position) position += e.Points;
    }
    for (const ClearRoad& road : d.Roads) {
        (road.Given ? given : missed) += 1;
        (road.Given ? givenPoints : missedPoints) += road.Points;
    }
    for (int i : d.Overtakings) overtaking += d.Events[static_cast<std::size_t>(i)].Points;
    t.Totals.push_back("gained " + std::to_string(d.Gained()) + ", lost " +
                       std::to_string(d.Lost()) +
                       (position != 0 ? ", from the saved position " + Signed(position) : "") +
                       ": " + std::to_string(d.EndPoints) + " points");
    t.Totals.push_back("clear roads given " + std::to_string(given) + " (" + Signed(givenPoints) +
                       "), missed " + std::to_string(missed) + " (" + std::to_string(missedPoints) +
                       " points)");
    t.Totals.push_back("overtaking " + std::to_string(d.Overtakings.size()) + " (" +
                       Signed(overtaking) + ")");
    t.Totals.push_back("points through the shift: " + CurveText(d));
    if (ghost && ghost->Valid) {
        t.Signalman.push_back("the signalman's shift: " + std::to_string(ghost->EndPoints) +
                              " points, gained " + std::to_string(ghost->Gained()) + ", lost " +
                              std::to_string(ghost->Lost()));
        t.Signalman.push_back("his points through the shift: " + CurveText(*ghost));
        for (const TrainDelay& delay : d.Delays) {
            t.Signalman.push_back(SignalmansHandling(g, *ghost, delay.Train));
        }
    }
    return t;
}

std::vector<std::string> DebriefLines(const ReviewTables& t) {
    std::vector<std::string> lines{t.Heading};
    for (const ReviewRow& row : t.Events) {
        std::string line = "event: " + row.Cells[0] + " " + row.Cells[1] + " " + row.Cells[2];
        if (!row.Cells[3].empty()) line += " [" + row.Cells[3] + "]";
        lines.push_back(line);
    }
    for (const ReviewRow& row : t.Delays) {
        std::string line = "delay: " + row.Cells[0] + ": " + row.Cells[1] + " min lost in the area";
        std::string causes;
        for (int c = 0; c < DelayCauseCount; ++c) {
            const std::string& cell = row.Cells[static_cast<std::size_t>(2 + c)];
            if (cell.empty()) continue;
            causes += (causes.empty() ? "" : ", ") + std::string(CauseNames[c]) + " " + cell;
        }
        if (!causes.empty()) line += " (" + causes + ")";
        const std::string& points = row.Cells[2 + DelayCauseCount];
        if (!points.empty()) line += ", " + points + " points";
        lines.push_back(line);
    }
    for (const std::string& total : t.Totals) lines.push_back("total: " + total);
    for (const std::string& his : t.Signalman) lines.push_back("ghost: " + his);
    return lines;
}

}  // namespace kv41
