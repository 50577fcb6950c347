#include "ui_fonts.h"

#include <map>
#include <string>
#include <tuple>

namespace {

HFONT Cached(const wchar_t* face, int pointSize, bool bold, DWORD pitch) {
    static std::map<std::tuple<std::wstring, int, bool>, HFONT> fonts;
    HFONT& font = fonts[{face, pointSize, bold}];
    if (!font) {
        font = CreateFontW(-PointsToPixels(pointSize), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                           FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           ANTIALIASED_QUALITY, pitch, face);
    }
    return font;
}

const wchar_t* MessageFace() {
    static std::wstring face = [] {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
            return std::wstring(metrics.lfMessageFont.lfFaceName);
        }
        return std::wstring(L"Tahoma");
    }();
    return face.c_str();
}

}  // namespace

int PointsToPixels(int pointSize) {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return MulDiv(pointSize, dpi, 72);
}

HFONT SansFont(int pointSize, bool bold) {
    return Cached(MessageFace(), pointSize, bold, VARIABLE_PITCH | FF_SWISS);
}

HFONT TypewriterFont(int pointSize, bool bold) {
    return Cached(L"TOLA", pointSize, bold, FIXED_PITCH | FF_MODERN);
}

HFONT SerifFont(int pointSize, bool bold) {
    return Cached(L"Times New Roman", pointSize, bold, VARIABLE_PITCH | FF_ROMAN);
}

SIZE FontCell(HFONT font) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    SIZE w{};
    TEXTMETRICW tm{};
    GetTextExtentPoint32W(screen, L"W", 1, &w);
    GetTextMetricsW(screen, &tm);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return SIZE{w.cx, tm.tmHeight};
}
