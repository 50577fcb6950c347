#include "frontend/screen_fit.h"

#include <algorithm>

#include "framework/framework_state.h"

namespace kv41 {

namespace {

constexpr int PanelMargin = 5;
constexpr int StatusRows = 2;
constexpr int RightGap = 50;

}  // namespace

Size PanelSizeFor(CellSize cell) {
    return {cell.Width * GridColumns + PanelMargin,
            cell.Height * (GridRows + StatusRows) + PanelMargin};
}

int LargestFittingFontSize(Size area, Margins chrome, const MeasureCell& measure) {
    int fitted = SmallestFontSize;
    for (int size = SmallestFontSize; size <= LargestFontSize; ++size) {
        const Size panel = PanelSizeFor(measure(size));
        if (panel.Width + chrome.Left + chrome.Right > area.Width ||
            panel.Height + chrome.Top + chrome.Bottom > area.Height) {
            break;
        }
        fitted = size;
    }
    return fitted;
}

int FontForResizedWindow(const WindowSizing& sizedFor, Size window, bool enlarged, Size clientArea,
                         const MeasureCell& measure) {
    if (!enlarged && window.Width == sizedFor.Window.Width &&
        window.Height == sizedFor.Window.Height) {
        return sizedFor.FontSize;
    }
    return LargestFittingFontSize(clientArea, {}, measure);
}

Rect CentredOnScreen(Rect screen, Size frame) {
    Rect placed{0, 0, frame.Width, frame.Height};
    placed.Left = screen.Left + (screen.Width - frame.Width) / 2;
    placed.Top = screen.Top + (screen.Height - frame.Height) / 2;
    placed.Left = std::max(placed.Left, screen.Left);
    placed.Top = std::max(placed.Top, screen.Top);
    return placed;
}

Rect BesideThePanel(Rect screen, Size frame, int lineHeight) {
    const int right = screen.Left + screen.Width - 1;
    return {std::max(screen.Left, right - frame.Width - RightGap), screen.Top + lineHeight,
            frame.Width, frame.Height};
}

}  // namespace kv41
