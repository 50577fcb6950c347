// The drawing unit, origins and basic strokes of the panel.
#include "panel/panel_canvas.h"

#include "game_state.h"
#include "platform/platform.h"

namespace kv41 {

int Units(const GameState& g, int n) {
    return n * 5 * g.CellWidth / 32;
}

Pixel At(const GameState& g, Pixel origin, int x, int y) {
    return {origin.X + Units(g, x), origin.Y + Units(g, y)};
}

Pixel TrackOrigin(const GameState& g) {
    return {g.CellWidth, 6 * g.CellWidth};
}

void UnitLine(GameState& g, Pixel origin, const UnitStroke& stroke, Rgb colour, int width) {
    const Pixel from = At(g, origin, stroke.X1, stroke.Y1);
    const Pixel to = At(g, origin, stroke.X2, stroke.Y2);
    g.Host->DrawLine(from.X, from.Y, to.X, to.Y, colour, width);
}

void Disc(GameState& g, Pixel centre, int radius, Rgb pen, Rgb fill) {
    // The panel's pen is 2 pixels wide and straddles the outline, so a disc reaches a pixel
    // beyond its radius: a lamp of one unit stays visible on a line of the diagram.
    const int r = radius + 1;
    g.Host->DrawEllipse(centre.X - r, centre.Y - r, centre.X + r, centre.Y + r, pen, fill);
}

void DrawLabel(GameState& g, Pixel at, std::string_view text, int pointSize, Rgb colour,
               std::optional<Rgb> beneath) {
    // Without small labels the panel writes them in the panel font on the colour beneath,
    // and leaves out those that would not fit.
    if (!g.Host->DrawLabel(at.X, at.Y, text, pointSize, colour) && beneath) {
        g.Host->DrawText(at.X, at.Y, text, colour, *beneath);
    }
}

}  // namespace kv41
