#pragma once
// The panel's back buffer: a bitmap as large as the window's client area (the status band at its
// top included) that the game draws on with GDI through the platform's canvas calls. What has
// been drawn reaches the screen only when it is presented, and then only the parts that changed.
#include "windows_api.h"

#include <map>
#include <string_view>
#include <vector>

#include "framework/framework_state.h"

class PanelCanvas {
public:
    PanelCanvas();
    ~PanelCanvas();
    PanelCanvas(const PanelCanvas&) = delete;
    PanelCanvas& operator=(const PanelCanvas&) = delete;

    // Keeps what is drawn; new area is black and counts as changed.
    void Resize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    HDC Dc() const { return dc_; }
    // The colour of a pixel of the buffer (for the self-check), 0xRRGGBB.
    unsigned Pixel(int x, int y) const;

    // The panel font (TOLA.TTF, registered privately) at a point size.
    HFONT Font(int pointSize);
    void Metrics(int pointSize, int& cellWidth, int& textHeight);
    void SetTextSize(int pointSize) { textSize_ = pointSize; }
    int TextSize() const { return textSize_; }

    // Text a character to a cell, its cells filled with bg.
    void Text(int x, int y, int cellWidth, int cellHeight, std::string_view text, kv41::Rgb fg,
              kv41::Rgb bg);
    // Text with no background at another size, advancing by that size's cell.
    void Label(int x, int y, std::string_view text, int pointSize, kv41::Rgb colour);
    void Fill(int x1, int y1, int x2, int y2, kv41::Rgb colour);
    void Line(int x1, int y1, int x2, int y2, kv41::Rgb colour, int width);
    void Rect(int x1, int y1, int x2, int y2, kv41::Rgb pen, kv41::Rgb fill);
    void Ellipse(int x1, int y1, int x2, int y2, kv41::Rgb pen, kv41::Rgb fill);
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, kv41::Rgb pen,
             kv41::Rgb fill);
    // Marks an area drawn by other means as changed.
    void Touch(RECT area);
    // Puts what changed on the window's DC, the buffer's (0, top) at the window's (0, 0).
    void Present(HWND window, int top);
    // Puts the area of the window (its own coordinates) on the screen, as WM_PAINT asks.
    void Paint(HDC target, const RECT& area, int top);
    bool Changed() const { return !dirty_.empty(); }

private:
    void TouchShape(int x1, int y1, int x2, int y2, int penWidth);
    HPEN Pen(kv41::Rgb colour, int width);
    HBRUSH Brush(kv41::Rgb colour);

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    unsigned* bits_ = nullptr;
    int width_ = 0, height_ = 0;
    int textSize_ = 10;
    std::map<int, std::pair<int, int>> metrics_;
    std::map<unsigned, HBRUSH> brushes_;
    std::map<unsigned long long, HPEN> pens_;
    std::vector<RECT> dirty_;
    std::vector<int> advances_;
};
