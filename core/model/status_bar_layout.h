#pragma once
// Where the status bar's controls stand, in pixels within the bar, for the panel's cell size:
// the points on the left, the speed controls about the middle, the time on the right.

namespace kv41 {

struct BarBox {
    int Left, Top, Width, Height;
    int Right() const { return Left + Width; }
};

struct StatusBarPlaces {
    BarBox Signalman;  // the left anchor: the word that the automatic signalman is at work
    BarBox PointsCaption, PointsValue;
    BarBox TimeValue, TimeCaption;
    BarBox SpeedCaption, SpeedValue;
    BarBox Slower, Faster, Fast;
};

// The bar's fixed captions, and what its other texts show before the game first sets them.
inline constexpr const char* TimeCaption = "Time is";
inline constexpr const char* SpeedCaption = "Speed";
inline constexpr const char* InitialPointsCaption = "Points gained:";
inline constexpr const char* InitialPoints = "  0";
inline constexpr const char* InitialSpeed = "100%";
inline constexpr const char* InitialTime = " 8.00";
inline constexpr const char* SlowerCaption = " - ";
inline constexpr const char* FasterCaption = "+";
inline constexpr const char* FastCaption = "Fast";

// The bar is two cells high and as wide as the panel (barWidth).
StatusBarPlaces LayOutStatusBar(int cellWidth, int cellHeight, int barWidth);

}  // namespace kv41
