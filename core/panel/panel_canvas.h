#pragma once
// What the panel drawings share: their colours, the drawing unit, pixel origins, and the few
// canvas strokes they are built from.
#include <optional>
#include <string_view>

#include "framework/framework_state.h"
#include "framework/text_grid.h"

namespace kv41 {

struct GameState;

// Panel colours. The diagram background is the grid's default text colour, light grey.
constexpr Rgb Silver = LightGrey;
constexpr Rgb SignalRed = ErrorRed;
constexpr Rgb LampYellow = LightYellow;
constexpr Rgb DarkRed{160, 32, 32};
constexpr Rgb LockBlue{0, 0, 255};
constexpr Rgb SignalGreen{0, 160, 0};
constexpr Rgb PlatformGrey{104, 104, 104};
constexpr Rgb HandleGrey{153, 153, 168};
constexpr Rgb Brass{184, 134, 11};
// Lever numbers of the gaps and the detonator placers: any fixed light colour will do.
constexpr Rgb LabelLight = White;

struct Pixel {
    int X = 0, Y = 0;
};

// A line between two points in drawing units.
struct UnitStroke {
    int X1, Y1, X2, Y2;
};

// n drawing units in pixels: a unit is 5/32 of the cell width, truncated after scaling.
int Units(const GameState& g, int n);
// The point (x, y) in units from an origin in pixels.
Pixel At(const GameState& g, Pixel origin, int x, int y);
// The origin of the track diagram, its signals, labels, lamps and points indicators.
Pixel TrackOrigin(const GameState& g);

// A stroke drawn from an origin.
void UnitLine(GameState& g, Pixel origin, const UnitStroke& stroke, Rgb colour, int width = 2);
// A filled circle around a pixel centre, the radius in pixels.
void Disc(GameState& g, Pixel centre, int radius, Rgb pen, Rgb fill);
// A label at a pixel position in a point size of the panel font, over the drawing. Where the
// front end cannot write over a drawing, it is written on `beneath`, or left out if none is
// given.
void DrawLabel(GameState& g, Pixel at, std::string_view text, int pointSize, Rgb colour,
               std::optional<Rgb> beneath);

}  // namespace kv41
