// The trains approaching window: per approach, the next train of each group within the hour.
#include <array>

#include "game_state.h"
#include "model/clock.h"
#include "windows/info_windows.h"
#include "windows/window_text.h"

namespace kv41 {

namespace {

struct Approach {
    int Line;
    const char* Heading;
};
constexpr std::array<Approach, 4> Approaches{{{1, "Next arrivals from Pellingford"},
                                              {2, "Next arrivals from Brenley"},
                                              {4, "Next arrivals from Hollowmer"},
                                              {5, "Next arrivals from  Radlow Road Junction"}}};
constexpr std::array<const char*, 3> GroupLabels{"Passenger:", "Fast frt:", "Slow frt:"};
constexpr const char* ApproachHead =
    "           Due   Expected   From          Via To            Type";

std::string ApproachLine(const GameState& g, int line, int group) {
    std::string text = PadRight(GroupLabels[static_cast<std::size_t>(group - 1)], 11);
    int t = g.LineTrains[line][static_cast<std::size_t>(group)];
    if (!DueWithinTheHour(g, t) || g.TrainState[t] == TrainGone) {
        return Cut(text + "Nothing expected in next hour", 90);
    }
    text += DueAndExpected(g, t);
    text += "      " + PadRight(g.TrainOrigin[t].view(), 14) + LineCodeOf(g, g.TrainTo[t]) + "  ";
    text += PadRight(g.TrainDest[t].view(), 14) + std::string(TrainClassName(g.TrainClass[t]));
    return Cut(text, 90);
}

}  // namespace

InfoWindow BuildApproachingWindow(const GameState& g) {
    InfoWindow window;
    window.Name = "approaching";
    window.Caption = "Trains approaching at " + CaptionTime(g);
    window.HelpContext = 422;
    for (const Approach& approach : Approaches) {
        window.Heads.push_back(approach.Heading);
        window.Heads.push_back(ApproachHead);
        for (int group = 1; group <= 3; ++group) {
            window.Lines.push_back(ApproachLine(g, approach.Line, group));
        }
        window.EndPane();
    }
    return window;
}

}  // namespace kv41
