#include "model/status_bar_layout.h"

namespace kv41 {

// Each control is placed from those placed before it.
StatusBarPlaces LayOutStatusBar(int cellWidth, int cellHeight, int barWidth) {
    const int w = cellWidth;
    const int h = cellHeight;
    const int half = h / 2;
    const int height = 2 * h;
    StatusBarPlaces p{};
    const int anchorRight = 12 * w;
    p.Signalman = {4, 1, anchorRight - 6, height - 2};
    p.PointsCaption = {anchorRight + 5, half + 1, 15 * w - 30, h};
    p.PointsValue = {p.PointsCaption.Right() + 5, half + 1, 5 * w - 10, h};
    p.TimeValue = {barWidth - 14 * w - 5, half, 14 * w, h + 2};
    const int captionWidth = 8 * (w - 2);
    p.TimeCaption = {p.TimeValue.Left - captionWidth - 5, 2, captionWidth, height - 4};
    p.SpeedCaption = {barWidth / 2 - (6 * w - 7), half + 1, 6 * w - 7, h};
    p.SpeedValue = {barWidth / 2 + 5, half + 1, 10 * w - 15, h};
    p.Slower = {p.SpeedCaption.Left - (4 * w + 5) - w, half, 4 * w + 5, h};
    p.Faster = {p.SpeedValue.Right() + w, half, 4 * w + 5, h};
    p.Fast = {p.Faster.Right() + w, half, 6 * w + 5, h};
    return p;
}

}  // namespace kv41
