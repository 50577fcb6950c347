#pragma once
// The verdict on a shift: points, percentage of target, rating words.
#include <string>

namespace kv41 {

struct GameState;

// The three texts of the end-of-session dialog.
struct RatingTexts {
    std::string Rating, PointScore, PerCent;
};
RatingTexts ComputeRating(const GameState& g);
// Computes the texts, reports them and shows the end-of-session dialog.
void ShowRating(GameState& g);

}  // namespace kv41
