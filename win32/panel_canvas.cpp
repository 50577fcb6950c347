#include "panel_canvas.h"

#include <algorithm>

#include "ui_fonts.h"
#include "wide_text.h"

namespace {

COLORREF Colour(kv41::Rgb c) {
    return RGB(c.Red, c.Green, c.Blue);
}

unsigned Key(kv41::Rgb c) {
    return (static_cast<unsigned>(c.Red) << 16) | (static_cast<unsigned>(c.Green) << 8) | c.Blue;
}

// What a click changes lies in a few places far apart (the message line, a lever): they go to
// the screen apart until so many have gathered that one rectangle around them serves better.
constexpr std::size_t MostApart = 24;

}  // namespace

PanelCanvas::PanelCanvas() {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    Resize(800, 480);
}

PanelCanvas::~PanelCanvas() {
    SelectObject(dc_, oldBitmap_);
    if (bitmap_) DeleteObject(bitmap_);
    DeleteDC(dc_);
    for (auto& [colour, brush] : brushes_) DeleteObject(brush);
    for (auto& [key, pen] : pens_) DeleteObject(pen);
}

void PanelCanvas::Resize(int width, int height) {
    if (width == width_ && height == height_) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top, as the panel counts them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return;
    std::fill_n(static_cast<unsigned*>(bits), static_cast<std::size_t>(width) * height, 0u);
    HDC old = CreateCompatibleDC(dc_);
    HGDIOBJ oldSelected = nullptr;
    if (bitmap_) {
        // What the game drew stays where it was.
        HGDIOBJ previous = SelectObject(dc_, bitmap);
        oldSelected = SelectObject(old, previous);
        BitBlt(dc_, 0, 0, std::min(width, width_), std::min(height, height_), old, 0, 0, SRCCOPY);
        SelectObject(old, oldSelected);
        DeleteObject(previous);
    } else {
        oldBitmap_ = SelectObject(dc_, bitmap);
    }
    DeleteDC(old);
    bitmap_ = bitmap;
    bits_ = static_cast<unsigned*>(bits);
    width_ = width;
    height_ = height;
    dirty_.assign(1, RECT{0, 0, width, height});
}

unsigned PanelCanvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    GdiFlush();
    return bits_[static_cast<std::size_t>(y) * width_ + x] & 0xffffff;
}

HFONT PanelCanvas::Font(int pointSize) {
    return TypewriterFont(pointSize);
}

// Without the font nothing is measured: the game then ends the program.
void PanelCanvas::Metrics(int pointSize, int& cellWidth, int& textHeight) {
    auto known = metrics_.find(pointSize);
    if (known == metrics_.end()) {
        HGDIOBJ old = SelectObject(dc_, Font(pointSize));
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc_, LF_FACESIZE, face);
        TEXTMETRICW tm{};
        SIZE w{};
        GetTextMetricsW(dc_, &tm);
        GetTextExtentPoint32W(dc_, L"W", 1, &w);
        SelectObject(dc_, old);
        const bool ours = lstrcmpiW(face, L"TOLA") == 0;
        known = metrics_
                    .emplace(pointSize, ours ? std::make_pair(static_cast<int>(w.cx),
                                                              static_cast<int>(tm.tmHeight))
                                             : std::make_pair(0, 0))
                    .first;
    }
    cellWidth = known->second.first;
    textHeight = known->second.second;
}

void PanelCanvas::Text(int x, int y, int cellWidth, int cellHeight, std::string_view text,
                       kv41::Rgb fg, kv41::Rgb bg) {
    const int count = static_cast<int>(text.size());
    const RECT area{x, y, x + count * cellWidth, y + cellHeight};
    Touch(area);
    const std::wstring codes = PanelCodes(text);
    advances_.assign(text.size(), cellWidth);
    HGDIOBJ old = SelectObject(dc_, Font(textSize_));
    SetTextColor(dc_, Colour(fg));
    SetBkColor(dc_, Colour(bg));
    SetBkMode(dc_, OPAQUE);
    SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    ExtTextOutW(dc_, x, y, ETO_OPAQUE | ETO_CLIPPED, &area, codes.data(),
                static_cast<UINT>(codes.size()), advances_.data());
    SelectObject(dc_, old);
}

void PanelCanvas::Label(int x, int y, std::string_view text, int pointSize, kv41::Rgb colour) {
    int cell = 0, height = 0;
    Metrics(pointSize, cell, height);
    Touch(RECT{x, y, x + static_cast<int>(text.size()) * cell, y + height});
    const std::wstring codes = PanelCodes(text);
    advances_.assign(text.size(), cell);
    HGDIOBJ old = SelectObject(dc_, Font(pointSize));
    SetTextColor(dc_, Colour(colour));
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    ExtTextOutW(dc_, x, y, 0, nullptr, codes.data(), static_cast<UINT>(codes.size()),
                advances_.data());
    SelectObject(dc_, old);
}

HPEN PanelCanvas::Pen(kv41::Rgb colour, int width) {
    const unsigned long long key = (static_cast<unsigned long long>(width) << 32) | Key(colour);
    HPEN& pen = pens_[key];
    if (!pen) {
        if (width <= 1) {
            pen = CreatePen(PS_SOLID, 1, Colour(colour));
        } else {
            // Square ends, as wide lines meet at the diagram's corners.
            LOGBRUSH brush{BS_SOLID, Colour(colour), 0};
            pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_SQUARE | PS_JOIN_MITER,
                               static_cast<DWORD>(width), &brush, 0, nullptr);
        }
    }
    return pen;
}

HBRUSH PanelCanvas::Brush(kv41::Rgb colour) {
    HBRUSH& brush = brushes_[Key(colour)];
    if (!brush) brush = CreateSolidBrush(Colour(colour));
    return brush;
}

void PanelCanvas::Fill(int x1, int y1, int x2, int y2, kv41::Rgb colour) {
    const RECT area{x1, y1, x2, y2};
    Touch(area);
    FillRect(dc_, &area, Brush(colour));
}

void PanelCanvas::TouchShape(int x1, int y1, int x2, int y2, int penWidth) {
    const int margin = penWidth + 1;
    Touch(RECT{std::min(x1, x2) - margin, std::min(y1, y2) - margin, std::max(x1, x2) + margin,
               std::max(y1, y2) + margin});
}

void PanelCanvas::Line(int x1, int y1, int x2, int y2, kv41::Rgb colour, int width) {
    TouchShape(x1, y1, x2, y2, width);
    HGDIOBJ old = SelectObject(dc_, Pen(colour, width));
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
    // GDI leaves a thin line's last pixel out; the panel's lines include both ends.
    if (width <= 1) SetPixelV(dc_, x2, y2, Colour(colour));
    SelectObject(dc_, old);
}

void PanelCanvas::Rect(int x1, int y1, int x2, int y2, kv41::Rgb pen, kv41::Rgb fill) {
    TouchShape(x1, y1, x2, y2, 1);
    HGDIOBJ oldPen = SelectObject(dc_, Pen(pen, 1));
    HGDIOBJ oldBrush = SelectObject(dc_, Brush(fill));
    Rectangle(dc_, x1, y1, x2, y2);
    SelectObject(dc_, oldBrush);
    SelectObject(dc_, oldPen);
}

void PanelCanvas::Ellipse(int x1, int y1, int x2, int y2, kv41::Rgb pen, kv41::Rgb fill) {
    TouchShape(x1, y1, x2, y2, 1);
    HGDIOBJ oldPen = SelectObject(dc_, Pen(pen, 1));
    HGDIOBJ oldBrush = SelectObject(dc_, Brush(fill));
    ::Ellipse(dc_, x1, y1, x2, y2);
    SelectObject(dc_, oldBrush);
    SelectObject(dc_, oldPen);
}

// GDI's own pie: counter-clockwise from the radial through (x3,y3) to that through (x4,y4).
void PanelCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, kv41::Rgb pen,
                      kv41::Rgb fill) {
    TouchShape(x1, y1, x2, y2, 1);
    HGDIOBJ oldPen = SelectObject(dc_, Pen(pen, 1));
    HGDIOBJ oldBrush = SelectObject(dc_, Brush(fill));
    SetArcDirection(dc_, AD_COUNTERCLOCKWISE);
    ::Pie(dc_, x1, y1, x2, y2, x3, y3, x4, y4);
    SelectObject(dc_, oldBrush);
    SelectObject(dc_, oldPen);
}

void PanelCanvas::Touch(RECT area) {
    area.left = std::max(0L, area.left);
    area.top = std::max(0L, area.top);
    area.right = std::min(static_cast<LONG>(width_), area.right);
    area.bottom = std::min(static_cast<LONG>(height_), area.bottom);
    if (area.left >= area.right || area.top >= area.bottom) return;
    dirty_.push_back(area);
    if (dirty_.size() > MostApart) {
        RECT all = dirty_.front();
        for (const RECT& r : dirty_) UnionRect(&all, &all, &r);
        dirty_.assign(1, all);
    }
}

// Straight to the window, not through WM_PAINT: a paint left pending would wake every wait at
// once, and the player would see the change only after the next message.
void PanelCanvas::Present(HWND window, int top) {
    if (dirty_.empty()) return;
    GdiFlush();
    HDC target = GetDC(window);
    for (const RECT& r : dirty_) {
        if (r.bottom <= top) continue;
        const int y = std::max(static_cast<int>(r.top), top);
        BitBlt(target, r.left, y - top, r.right - r.left, r.bottom - y, dc_, r.left, y, SRCCOPY);
    }
    ReleaseDC(window, target);
    dirty_.clear();
}

void PanelCanvas::Paint(HDC target, const RECT& area, int top) {
    GdiFlush();
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_,
           area.left, area.top + top, SRCCOPY);
}
