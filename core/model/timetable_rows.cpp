// The working timetable of the day: 174 rows in order of booked time, from 22.11 on the
// evening before to 01.15 on the morning after.
#include "game_state.h"
#include "model/timetable.h"

namespace kv41 {

namespace {

struct TimetableRow {
    int Hour, Minute;  // hour below 0 is the evening before, 24 and above the morning after
    int From, To;      // lines
    int Engine;        // engine index, or 999 when an earlier train's engine works it
    int NextWorking;   // the train this engine works next, 0 none
    int Length;        // yards; 20 for a light engine or a single railcar
    const char* Origin;
    const char* Destination;
    int Class;
};

// Engines come back the way they went: off a box's line only after at least 20 minutes, out
// of the sidings after at least 10. Rows 121 and 129 are the same train at two times (only
// one of them runs), so they share an engine and its next working; rows 4 and 160 are the
// same train on two evenings and share an engine too. The conditional rows 101 and 147 hand
// their engines only to their own partners 106 and 148, so that cancelling them never
// leaves a train without an engine.
constexpr TimetableRow Rows[] = {
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 1
    {-2, 11, 1, 4, 41, 45, 260, "Elmsworth", "Kingsmeade", 10},        // 2
    {-2, 20, 4, 3, 10, 7, 20, "Radlow", "Exchange Sdg", 9},            // 3
    {-2, 27, 1, 4, 1, 0, 280, "Tarnwick", "Pellock", 6},               // 4
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 5
    {-2, 41, 4, 1, 2, 0, 270, "Fenner Works", "Portlemere", 6},        // 6
    {-2, 50, 3, 5, 999, 0, 270, "Exchange Sdg", "Eastmarsham", 11},    // 7
    {-2, 55, 4, 1, 3, 23, 230, "Quarry Lane", "Elmsworth", 8},         // 8
    {-1, 11, 3, 4, 11, 17, 20, "Exchange Sdg", "Radlow", 9},           // 9
    {-1, 25, 4, 3, 12, 0, 20, "Radlow", "Exchange Sdg", 9},            // 10
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 11
    {-1, 55, 3, 1, 4, 21, 260, "Exchange Sdg", "Mistlebrook", 10},     // 12
    {-1, 59, 1, 4, 48, 29, 230, "Elmsworth", "Kingsmeade", 3},         // 13
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 14
    {0, 30, 4, 1, 6, 0, 230, "Pellock", "Lorne Vly Jn", 8},            // 15
    {0, 31, 1, 4, 7, 35, 230, "Stourmarket", "Dellingtoft", 8},        // 16
    {0, 47, 4, 3, 999, 0, 20, "Radlow", "Exchange Sdg", 9},            // 17
    {1, 1, 1, 4, 8, 0, 230, "Millbeck Hth", "Fenner Works", 8},        // 18
    {1, 15, 3, 5, 9, 0, 270, "Exchange Sdg", "Rudby", 10},             // 19
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 20
    {1, 33, 1, 3, 999, 25, 250, "Mistlebrook", "Exchange Sdg", 10},    // 21
    {1, 45, 4, 1, 18, 56, 290, "Ebbard", "Hexby", 6},                  // 22
    {1, 49, 1, 4, 999, 0, 230, "Elmsworth", "Kingsmeade", 8},          // 23
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 24
    {2, 20, 3, 4, 999, 48, 290, "Exchange Sdg", "Pellock", 10},        // 25
    {2, 27, 4, 3, 13, 42, 20, "Radlow", "Exchange Sdg", 9},            // 26
    {2, 38, 1, 4, 19, 0, 230, "Wisby", "Brimsley", 8},                 // 27
    {2, 40, 4, 1, 42, 0, 230, "Farrowe", "Castlegate", 3},             // 28
    {2, 52, 4, 1, 999, 74, 250, "Kingsmeade", "Elmsworth", 3},         // 29
    {3, 0, 3, 5, 20, 0, 240, "Exchange Sdg", "Ashwell Vale", 10},      // 30
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 31
    {3, 32, 1, 4, 21, 0, 230, "Fen", "Tollers Ctg", 8},                // 32
    {3, 55, 4, 1, 22, 0, 250, "Acre Green", "Elmsworth", 7},           // 33
    {4, 7, 1, 4, 23, 0, 280, "Cheswardy", "Tollers Ctg", 10},          // 34
    {4, 12, 4, 1, 999, 50, 250, "Dellingtoft", "Wisby", 6},            // 35
    {4, 20, 4, 1, 24, 0, 230, "Tilney", "Millbeck Hth", 8},            // 36
    {4, 25, 1, 3, 25, 60, 250, "Llanwerdy Rd", "Exchange Sdg", 10},    // 37
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 38
    {4, 43, 1, 3, 5, 41, 230, "Mistlebrook", "Down Sdgs", 10},         // 39
    {4, 48, 4, 1, 43, 71, 240, "Radlow", "Wendham", 4},                // 40
    {5, 0, 3, 4, 999, 81, 250, "Down Sdgs", "Pellock", 10},            // 41
    {5, 12, 3, 4, 999, 73, 20, "Exchange Sdg", "Radlow", 9},           // 42
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 43
    {5, 32, 4, 1, 34, 127, 270, "Radlow", "Wendham", 4},               // 44
    {5, 43, 4, 1, 999, 92, 220, "Radlow", "Elmsworth", 3},             // 45
    {5, 54, 4, 1, 26, 0, 230, "Farrowe", "Cheswardy", 8},              // 46
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 47
    {6, 18, 4, 2, 999, 141, 140, "Pellock", "Coldmere", 12},           // 48
    {6, 38, 1, 4, 51, 52, 20, "Wendham", "Radlow", 2},                 // 49
    {6, 45, 1, 4, 999, 0, 250, "Wisby", "Dellingtoft", 6},             // 50
    {6, 52, 4, 2, 35, 0, 210, "Radlow", "Brookholt", 3},               // 51
    {6, 58, 4, 1, 999, 54, 20, "Radlow", "Wendham", 2},                // 52
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 53
    {7, 18, 1, 4, 999, 126, 20, "Wendham", "Radlow", 2},               // 54
    {7, 25, 4, 3, 27, 62, 240, "Farrowe", "Down Sdgs", 8},             // 55
    {7, 26, 1, 4, 999, 0, 260, "Hexby", "Tollers Ctg", 7},             // 56
    {7, 33, 4, 3, 14, 72, 20, "Radlow", "Exchange Sdg", 9},            // 57
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 58
    {7, 53, 4, 1, 44, 110, 230, "Radlow", "Elmsworth", 2},             // 59
    {7, 55, 3, 5, 999, 0, 230, "Exchange Sdg", "Heronfield", 11},      // 60
    {8, 2, 2, 4, 36, 70, 210, "Coldmere", "Radlow", 2},                // 61
    {8, 15, 3, 1, 999, 100, 250, "Down Sdgs", "Wisby", 8},             // 62
    {8, 18, 4, 2, 37, 67, 210, "Radlow", "Brookholt", 2},              // 63
    {8, 23, 1, 4, 49, 94, 280, "Elmsworth", "Kingsmeade", 1},          // 64
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 65
    {9, 1, 1, 4, 50, 75, 270, "Gt Wexcote", "Kingsmeade", 1},          // 66
    {9, 24, 2, 4, 999, 90, 210, "Brookholt", "Radlow", 2},             // 67
    {9, 25, 5, 3, 15, 108, 20, "Heronfield", "Exchange Sdg", 9},       // 68
    {9, 33, 1, 3, 28, 76, 250, "Mistlebrook", "Exchange Sdg", 10},     // 69
    {9, 34, 4, 2, 999, 77, 200, "Radlow", "Coldmere", 2},              // 70
    {9, 41, 1, 4, 999, 0, 220, "Wendham", "Radlow", 2},                // 71
    {9, 47, 3, 4, 999, 109, 20, "Exchange Sdg", "Radlow", 9},          // 72
    {9, 52, 4, 3, 999, 114, 20, "Radlow", "Exchange Sdg", 9},          // 73
    {10, 3, 1, 4, 999, 85, 290, "Elmsworth", "Kingsmeade", 1},         // 74
    {10, 7, 4, 1, 999, 97, 270, "Kingsmeade", "Lanbrook", 1},          // 75
    {10, 15, 3, 5, 999, 0, 270, "Exchange Sdg", "Heronfield", 11},     // 76
    {10, 20, 2, 4, 999, 87, 210, "Coldmere", "Radlow", 2},             // 77
    {10, 32, 4, 2, 29, 105, 160, "Pellock", "Avebry", 12},             // 78
    {10, 34, 1, 4, 45, 0, 230, "Stowe-on-Lea", "Radlow", 2},           // 79
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 80
    {10, 50, 4, 1, 999, 118, 220, "Pellock", "Wendham", 12},           // 81
    {11, 0, 3, 5, 30, 102, 280, "Exchange Sdg", "Ouseleigh", 10},      // 82
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 83
    {11, 28, 1, 4, 31, 0, 260, "Millbeck Hth", "Tollers Ctg", 10},     // 84
    {11, 31, 4, 1, 999, 116, 280, "Kingsmeade", "Lanbrook", 1},        // 85
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 86
    {11, 52, 4, 1, 999, 0, 240, "Radlow", "Market Ebury", 2},          // 87
    {12, 1, 2, 4, 38, 95, 200, "Coldmere", "Radlow", 2},               // 88
    {12, 3, 4, 1, 32, 0, 230, "Thamsby", "Cheswardy", 8},              // 89
    {12, 23, 4, 2, 999, 98, 200, "Radlow", "Coldmere", 2},             // 90
    {12, 27, 4, 1, 33, 0, 230, "Pellock", "Lorne Vly Jn", 8},          // 91
    {12, 30, 1, 4, 999, 0, 240, "Elmsworth", "Radlow", 2},             // 92
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 93
    {13, 8, 4, 1, 999, 0, 280, "Kingsmeade", "Lanbrook", 1},           // 94
    {13, 17, 4, 1, 999, 0, 200, "Radlow", "Stowe-on-Lea", 2},          // 95
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 96
    {13, 37, 1, 4, 999, 111, 280, "Lanbrook", "Kingsmeade", 1},        // 97
    {13, 43, 2, 4, 999, 113, 200, "Coldmere", "Radlow", 2},            // 98
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 99
    {14, 6, 1, 4, 999, 0, 250, "Wisby", "Tollers Ctg", 6},             // 100
    {14, 17, 1, 3, 52, 106, 250, "Llanwerdy Rd", "Exchange Sdg", 10},  // 101
    {14, 25, 5, 3, 999, 0, 240, "Ouseleigh", "Exchange Sdg", 10},      // 102
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 103
    {14, 44, 1, 4, 53, 0, 220, "Cheswardy", "Westholm", 10},           // 104
    {14, 50, 2, 3, 999, 112, 150, "Avebry", "Down Sdgs", 12},          // 105
    {14, 50, 3, 4, 999, 0, 280, "Exchange Sdg", "Pellock", 10},        // 106
    {15, 5, 2, 4, 39, 117, 210, "Coldmere", "Radlow", 2},              // 107
    {15, 12, 3, 4, 999, 165, 20, "Exchange Sdg", "Radlow", 9},         // 108
    {15, 17, 4, 3, 999, 125, 20, "Radlow", "Exchange Sdg", 9},         // 109
    {15, 24, 1, 4, 999, 133, 200, "Elmsworth", "Kingsmeade", 2},       // 110
    {15, 28, 4, 1, 999, 139, 270, "Kingsmeade", "Lanbrook", 1},        // 111
    {15, 30, 3, 4, 999, 0, 240, "Down Sdgs", "Pellock", 12},           // 112
    {15, 43, 4, 2, 999, 124, 210, "Radlow", "Brookholt", 2},           // 113
    {15, 50, 3, 1, 999, 0, 230, "Exchange Sdg", "Mistlebrook", 8},     // 114
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 115
    {16, 12, 1, 4, 999, 131, 290, "Lanbrook", "Kingsmeade", 1},        // 116
    {16, 26, 4, 2, 999, 138, 210, "Radlow", "Coldmere", 2},            // 117
    {16, 35, 1, 3, 999, 120, 210, "Wendham", "Down Sdgs", 12},         // 118
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 119
    {17, 0, 3, 4, 999, 0, 200, "Down Sdgs", "Pellock", 12},            // 120
    {17, 5, 5, 3, 54, 142, 240, "Ketterworth", "Exchange Sdg", 11},    // 121
    {17, 7, 1, 3, 55, 162, 280, "Penrhydd", "Exchange Sdg", 10},       // 122
    {17, 23, 1, 4, 40, 132, 210, "Elmsworth", "Radlow", 2},            // 123
    {17, 27, 2, 4, 999, 0, 200, "Brookholt", "Radlow", 2},             // 124
    {17, 36, 3, 4, 999, 135, 20, "Exchange Sdg", "Radlow", 9},         // 125
    {17, 47, 4, 1, 999, 137, 20, "Radlow", "Wendham", 2},              // 126
    {17, 48, 1, 4, 999, 157, 240, "Wendham", "Radlow", 2},             // 127
    {17, 55, 4, 1, 56, 173, 230, "Tilney", "Millbeck Hth", 8},         // 128
    {17, 55, 5, 3, 54, 142, 260, "Ketterworth", "Exchange Sdg", 11},   // 129
    {18, 2, 1, 4, 57, 0, 240, "Hexby", "Tollers Ctg", 7},              // 130
    {18, 13, 4, 1, 999, 0, 290, "Kingsmeade", "Lanbrook", 1},          // 131
    {18, 25, 4, 2, 999, 0, 200, "Radlow", "Coldmere", 2},              // 132
    {18, 32, 4, 1, 999, 168, 210, "Kingsmeade", "Elmsworth", 2},       // 133
    {18, 36, 3, 4, 16, 172, 20, "Exchange Sdg", "Radlow", 9},          // 134
    {18, 52, 4, 3, 999, 143, 20, "Radlow", "Exchange Sdg", 9},         // 135
    {19, 7, 4, 1, 58, 146, 230, "Pellock", "Elmsworth", 8},            // 136
    {19, 10, 1, 4, 999, 145, 20, "Wendham", "Radlow", 2},              // 137
    {19, 15, 2, 4, 999, 0, 200, "Coldmere", "Radlow", 2},              // 138
    {19, 31, 1, 4, 999, 144, 280, "Lanbrook", "Kingsmeade", 1},        // 139
    {19, 35, 5, 3, 59, 167, 250, "Ashwell Vale", "Exchange Sdg", 11},  // 140
    {19, 41, 2, 4, 999, 0, 140, "Coldmere", "Pellock", 12},            // 141
    {19, 45, 3, 5, 999, 0, 270, "Exchange Sdg", "Heronfield", 11},     // 142
    {20, 7, 3, 4, 999, 159, 20, "Exchange Sdg", "Radlow", 9},          // 143
    {20, 18, 4, 1, 999, 0, 270, "Kingsmeade", "Gt Wexcote", 1},        // 144
    {20, 23, 4, 1, 999, 0, 20, "Radlow", "Wendham", 2},                // 145
    {20, 28, 1, 4, 999, 0, 270, "Elmsworth", "Hamblemor", 6},          // 146
    {20, 31, 4, 3, 17, 148, 20, "Radlow", "Exchange Sdg", 9},          // 147
    {20, 52, 3, 1, 999, 0, 230, "Exchange Sdg", "Mistlebrook", 8},     // 148
    {20, 55, 1, 3, 60, 156, 250, "Mistlebrook", "Down Sdgs", 10},      // 149
    {21, 5, 4, 3, 61, 174, 240, "Lorne Vly Jn", "Exchange Sdg", 10},   // 150
    {21, 7, 1, 4, 46, 0, 220, "Elmsworth", "Radlow", 2},               // 151
    {21, 15, 4, 1, 62, 0, 230, "Farrowe", "Wisby", 8},                 // 152
    {21, 23, 1, 4, 63, 0, 250, "Wisby", "Tollers Ctg", 7},             // 153
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 154
    {21, 42, 1, 4, 47, 0, 240, "Wendham", "Radlow", 4},                // 155
    {21, 45, 3, 4, 999, 0, 220, "Down Sdgs", "Pellock", 10},           // 156
    {21, 58, 4, 2, 999, 0, 210, "Radlow", "Coldmere", 2},              // 157
    {22, 11, 1, 4, 64, 0, 240, "Elmsworth", "Kingsmeade", 10},         // 158
    {22, 20, 4, 3, 999, 164, 20, "Radlow", "Exchange Sdg", 9},         // 159
    {22, 27, 1, 4, 1, 0, 250, "Tarnwick", "Pellock", 6},               // 160
    {22, 41, 4, 1, 65, 0, 270, "Fenner Works", "Portlemere", 6},       // 161
    {22, 50, 3, 5, 999, 0, 230, "Exchange Sdg", "Eastmarsham", 11},    // 162
    {22, 55, 4, 1, 66, 0, 230, "Quarry Lane", "Elmsworth", 8},         // 163
    {23, 11, 3, 4, 999, 0, 20, "Exchange Sdg", "Radlow", 9},           // 164
    {23, 25, 4, 3, 999, 0, 20, "Radlow", "Exchange Sdg", 9},           // 165
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 166
    {23, 55, 3, 1, 999, 0, 230, "Exchange Sdg", "Mistlebrook", 10},    // 167
    {23, 59, 1, 4, 999, 0, 230, "Elmsworth", "Kingsmeade", 3},         // 168
    {0, 0, 0, 0, 0, 0, 0, "spare", "", 0},                             // 169
    {24, 30, 4, 1, 67, 0, 230, "Pellock", "Lorne Vly Jn", 8},          // 170
    {24, 31, 1, 4, 68, 0, 230, "Stourmarket", "Dellingtoft", 8},       // 171
    {24, 47, 4, 3, 999, 0, 20, "Radlow", "Exchange Sdg", 9},           // 172
    {25, 1, 1, 4, 999, 0, 230, "Millbeck Hth", "Fenner Works", 8},     // 173
    {25, 15, 3, 5, 999, 0, 240, "Exchange Sdg", "Rudby", 10},          // 174
};
static_assert(std::size(Rows) == 174);

// Evening trains that run on about one day in five.
constexpr int OccasionalTarnwickFirst = 4;
constexpr int OccasionalTarnwickSecond = 160;
// The Ketterworth freight runs at one of two times.
constexpr int KetterworthEarly = 121;
constexpr int KetterworthLate = 129;

}  // namespace

void BuildTimetable(GameState& g) {
    g.TrainCount = 0;
    for (const TimetableRow& row : Rows) {
        AddTrain(g, row.Hour, row.Minute, row.From, row.To, row.Engine, row.NextWorking, row.Length,
                 row.Origin, row.Destination, row.Class);
        // Each draw follows its own row, so a seed gives the same day every time.
        switch (g.TrainCount) {
        case OccasionalTarnwickFirst:
        case OccasionalTarnwickSecond:
            if (g.Random.Next(100) > 20) CancelTrain(g, g.TrainCount);
            break;
        case KetterworthEarly:
            if (g.Random.Next(100) > 50) CancelTrain(g, g.TrainCount);
            break;
        case KetterworthLate:
            if (g.TrainState[KetterworthEarly] != TrainGone) CancelTrain(g, g.TrainCount);
            break;
        default: break;
        }
    }
}

}  // namespace kv41
