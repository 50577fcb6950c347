#pragma once
// The debrief as the player reads it: the table of gains and losses, the table of delayed
// trains with their causes, the totals, and beside them the signalman's figures. The console
// prints these rows as lines; the review window shows the same rows in its tables.
#include <string>
#include <vector>

#include "debrief/debrief.h"

namespace kv41 {

struct GameState;

struct ReviewRow {
    std::vector<std::string> Cells;  // one text a column
    std::vector<int> SortKeys;       // one number a column, to sort by it
    int Minute = 0;                  // "Play again from here" goes back to this minute
    int Topic = 0;                   // the help topic of the rule
    int Train = 0;
};

struct ReviewTables {
    std::string Heading;  // "Early shift, 6.00 to 14.00: 12 points of a target of 40"
    std::vector<std::string> EventColumns;
    std::vector<ReviewRow> Events;
    std::vector<std::string> DelayColumns;
    std::vector<ReviewRow> Delays;
    std::vector<std::string> Totals;     // lines under the tables
    std::vector<std::string> Signalman;  // his figures, when he played the day
};

// The tables of a debrief; with ghost, the signalman's shift beside the player's.
ReviewTables ReviewTablesOf(const Debrief& d, const Debrief* ghost, const GameState& g);

// "6.18", "12p05": a time as the panel writes it, without the leading blank.
std::string ClockText(int time);
// Tenths of a minute as minutes: "4.5".
std::string MinutesText(int tenths);
// "the signalman accepted the 6.18 at 6.12 and had it through by 6.21".
std::string SignalmansHandling(const GameState& g, const Debrief& ghost, int train);

// The console's "debrief": a line per event, a line per delayed train, the totals.
std::vector<std::string> DebriefLines(const ReviewTables& tables);

}  // namespace kv41

namespace kv41 {

// The review window's own texts and help topic, as every front end shows them.
namespace ReviewWindow {
constexpr const char* MenuItem = "Shift re&view";
constexpr const char* EndButton = "&Review";
constexpr const char* Caption = "Shift review";
constexpr const char* EventsTitle = "Points gained and lost";
constexpr const char* DelaysTitle = "Trains delayed in the area, minutes by cause";
constexpr const char* PlayAgain = "&Play again from here";  // an ampersand marks the access key
constexpr const char* RuleHelp = "The &rule";
constexpr const char* Close = "Close";
constexpr const char* YourCurve = "Your points";
constexpr const char* SignalmansCurve = "The signalman's points";
constexpr int HelpTopic = 630;
}  // namespace ReviewWindow

}  // namespace kv41
