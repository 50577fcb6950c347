// The end-of-session rating: the score against the shift's target, pro rata for an early stop.
#include "session/rating.h"

#include "game_state.h"
#include "platform/platform.h"

namespace kv41 {

namespace {

// A number right-aligned in four characters; a number needing more than five is cut to five.
std::string Field4(int n) {
    std::string digits = std::to_string(n).substr(0, 5);
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), ' ');
    return digits;
}

const char* RatingWords(int percent) {
    switch (percent / 20) {
    case 5: return "outstanding!!";
    case 4: return "excellent!";
    case 3: return "good.";
    case 2: return "fair.";
    case 1:
    case 0: return "poor. Be more careful next time.";
    default: return "appalling! You're fired!";
    }
}

}  // namespace

RatingTexts ComputeRating(const GameState& g) {
    const int now = g.ClockNow;
    const int start = g.ShiftStart;
    const int end = g.ShiftEnd;
    RatingTexts texts;
    int points = g.Points;
    texts.PointScore = "Actual score was " + Field4(points) + " points";

    // A shift stopped early after at least an hour is judged as if the rate had been kept up.
    if (now < end && now > start + 59) {
        int factor = (end - start) * 200 / (now - start);
        points = points * factor / 200;
    }
    int percent = g.ShiftTarget != 0 ? points * 100 / g.ShiftTarget : 0;
    // Within the first hour there is too little to judge: never worse than fair.
    if (now < start + 60 && percent < 50) percent = 50;
    if (percent > 100) percent = 100;
    // Stopping early can never be outstanding.
    if (now < end && percent > 95) percent = 95;
    texts.Rating = std::string("Your rating is ") + RatingWords(percent);
    if (percent < 0) percent = 0;
    texts.PerCent = std::string(now < end ? " Adjusted s" : " S") + "core was" + Field4(percent) +
                    "% of target";
    return texts;
}

void ShowRating(GameState& g) {
    RatingTexts texts = ComputeRating(g);
    g.Host->Report(Output::Rating, texts.Rating);
    g.Host->Report(Output::Rating, texts.PointScore);
    g.Host->Report(Output::Rating, texts.PerCent);
    g.Host->ShowRatingDialog(texts.Rating, texts.PointScore, texts.PerCent);
}

}  // namespace kv41
