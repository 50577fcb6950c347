#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/text_grid.h"
#include "game_state.h"
#include "model/clock.h"
#include "panel/panel_canvas.h"
#include "panel/panel_drawing.h"
#include "recording_host.h"

namespace kv41 {
namespace {

// The headless platform that also keeps the strokes, shapes and small labels drawn.
class CanvasHost : public testing::RecordingHost {
public:
    using RecordingHost::RecordingHost;

    struct Line {
        int X1, Y1, X2, Y2;
        Rgb Colour;
        int Width;
    };
    struct Shape {
        int X1, Y1, X2, Y2;
        Rgb Pen, Fill;
    };
    struct Label {
        int X, Y;
        std::string Text;
        int Size;
        Rgb Colour;
    };
    std::vector<Line> Lines;
    std::vector<Shape> Ellipses;
    std::vector<Shape> Pies;
    std::vector<Label> Labels;
    int Presents = 0;

    void DrawLine(int x1, int y1, int x2, int y2, Rgb colour, int width) override {
        Lines.push_back({x1, y1, x2, y2, colour, width});
    }
    void DrawEllipse(int x1, int y1, int x2, int y2, Rgb pen, Rgb fill) override {
        Ellipses.push_back({x1, y1, x2, y2, pen, fill});
    }
    void DrawPie(int x1, int y1, int x2, int y2, int, int, int, int, Rgb pen, Rgb fill) override {
        Pies.push_back({x1, y1, x2, y2, pen, fill});
    }
    bool DrawLabel(int x, int y, std::string_view text, int size, Rgb colour) override {
        Labels.push_back({x, y, std::string(text), size, colour});
        return true;
    }
    void Present() override { ++Presents; }

    void Forget() {
        Lines.clear();
        Ellipses.clear();
        Pies.clear();
        Labels.clear();
        Draws.clear();
        Presents = 0;
    }
    bool HasLine(int x1, int y1, int x2, int y2, Rgb colour) const {
        return std::any_of(Lines.begin(), Lines.end(), [&](const Line& l) {
            return l.X1 == x1 && l.Y1 == y1 && l.X2 == x2 && l.Y2 == y2 && l.Colour == colour;
        });
    }
    // The filled circles centred on a pixel.
    std::vector<Shape> DiscsAt(int x, int y) const {
        std::vector<Shape> found;
        for (const Shape& e : Ellipses) {
            if ((e.X1 + e.X2) / 2 == x && (e.Y1 + e.Y2) / 2 == y) found.push_back(e);
        }
        return found;
    }
    // The text drawn with its first character in a cell, with its colours.
    const Drawn* TextAt(int column, int row, const GameState& g) const {
        for (auto it = Draws.rbegin(); it != Draws.rend(); ++it) {
            if (it->X == (column - 1) * g.CellWidth &&
                it->Y == (row - 1) * g.CellHeight + g.StatusHeight) {
                return &*it;
            }
        }
        return nullptr;
    }
};

struct PanelDrawing : ::testing::Test {
    testing::GameOn<CanvasHost> game{7, false};
    CanvasHost& host = game.host;
    GameState& g = game.g;

    PanelDrawing() {
        host.FontWidth = 32;  // a wide font: one drawing unit is exactly 5 pixels
        PrepareStartScreen(g);
        g.SessionRunning = true;
        g.PaintEnabled = true;
        g.FullRedraw = true;
        PaintWindow(g);
        host.Forget();
    }

    int U(int n) const { return n * 5 * g.CellWidth / 32; }
    // A diagram point in pixels.
    int DX(int x) const { return g.CellWidth + U(x); }
    int DY(int y) const { return 6 * g.CellWidth + U(y); }
    // The centre of a dial or handle placed at cell (a, b).
    int CX(int a) const { return g.CellWidth * (a + 5); }
    int CY(int b) const { return g.CellHeight * (b + 1); }
};

TEST_F(PanelDrawing, FullPaintDrawsEveryPartOnce) {
    g.FullRedraw = true;
    PaintWindow(g);
    EXPECT_FALSE(g.FullRedraw);
    EXPECT_EQ(host.Presents, 1);
    EXPECT_EQ(host.Row(13).substr(1, 11), "Pellingford");
    EXPECT_EQ(host.Row(13).substr(37, 12), "Hollowmer Jn");
    ASSERT_NE(host.TextAt(2, 13, g), nullptr);
    EXPECT_EQ(host.TextAt(2, 13, g)->Fg, LightYellow);
    EXPECT_EQ(host.Row(15).substr(1, 4), "Down");
    EXPECT_EQ(host.Row(15).substr(55, 2), "Up");
    EXPECT_EQ(host.Row(15).substr(80, 12), " Yard clear ");
    EXPECT_EQ(host.Row(29).substr(1, 13), "H Held       ");
    // 44 sections of two lamps, the handles and plungers of boxes 1, 3 and 4, box 2's
    // plunger; and the discs of the shunt signals.
    const auto discs = std::count(g.LeverSide.begin(), g.LeverSide.end(), 3);
    EXPECT_EQ(host.Ellipses.size(), 88u + 7u + static_cast<std::size_t>(discs));
    EXPECT_EQ(host.Pies.size(), 7u * 3u);  // three sectors in each of the seven dials
    // The arrows of the place names are the font's own glyphs; lever numbers are smaller.
    auto label = [&](const std::string& text) {
        return std::find_if(host.Labels.begin(), host.Labels.end(),
                            [&](const auto& l) { return l.Text == text; });
    };
    ASSERT_NE(label("\xA5 Pellingford"), host.Labels.end());
    EXPECT_EQ(label("\xA5 Pellingford")->X, DX(5));
    ASSERT_NE(label("Radlow Rd Jn \xA6"), host.Labels.end());
    ASSERT_NE(label("47T"), host.Labels.end());
    EXPECT_EQ(label("47T")->Size, g.FontSize - 3);
    ASSERT_NE(label("51"), host.Labels.end());
    EXPECT_EQ(label("51")->Colour, LightYellow);  // the down distant
}

TEST_F(PanelDrawing, LeverDrawnNormalThenReversedWithItsSignalArm) {
    // Lever 2, the up home: a red lever in the frame, a red arm on the diagram.
    const int x = 2 * g.CellWidth + U(3);
    const int top = 25 * g.CellHeight;
    const int a = g.LeverX[2], b = g.LeverY[2];
    g.FullRedraw = true;
    PaintWindow(g);
    EXPECT_TRUE(host.HasLine(x, top + U(20), x, top + U(32), ErrorRed));
    EXPECT_FALSE(host.HasLine(x, top + U(29), x, top + U(41), ErrorRed));
    EXPECT_TRUE(host.HasLine(DX(a), DY(b), DX(a), DY(b - 5), ErrorRed));  // at danger

    host.Forget();
    g.LeverNormal[2] = 0;
    PaintWindow(g);
    EXPECT_TRUE(host.HasLine(x, top + U(29), x, top + U(41), ErrorRed));
    EXPECT_FALSE(host.HasLine(x, top + U(20), x, top + U(32), ErrorRed));
    EXPECT_TRUE(host.HasLine(DX(a), DY(b), DX(a - 4), DY(b - 4), ErrorRed));  // off
    EXPECT_TRUE(host.HasLine(DX(a), DY(b), DX(a), DY(b - 5), LightGrey));     // wiped
    // Nothing but that lever: its slot, its handle, the wiped and the drawn arm.
    EXPECT_EQ(host.Lines.size(), 4u);

    // A down distant off: yellow arm inclined downwards; points reversed: red indicator.
    host.Forget();
    g.LeverNormal[51] = 0;
    g.LeverNormal[14] = 0;
    PaintWindow(g);
    const int d = g.LeverX[51], e = g.LeverY[51];
    EXPECT_TRUE(host.HasLine(DX(d), DY(e), DX(d + 4), DY(e + 4), LightYellow));
    EXPECT_TRUE(host.HasLine(DX(145), DY(68), DX(150), DY(68), ErrorRed));
}

TEST_F(PanelDrawing, OccupiedSectionsLampsAreYellowAndOnlyChangedLampsRedraw) {
    g.SectTrain[5] = 3;
    PaintWindow(g);
    ASSERT_EQ(host.Ellipses.size(), 2u);
    EXPECT_EQ(host.DiscsAt(DX(588), DY(22)).at(0).Fill, LightYellow);
    EXPECT_EQ(host.DiscsAt(DX(592), DY(22)).at(0).Fill, LightYellow);

    host.Forget();
    g.SectTrain[5] = 0;
    g.SectTrain[6] = 3;  // its second lamp is placed apart
    PaintWindow(g);
    ASSERT_EQ(host.Ellipses.size(), 4u);
    EXPECT_EQ(host.DiscsAt(DX(588), DY(22)).at(0).Fill, Black);
    EXPECT_EQ(host.DiscsAt(DX(548), DY(25)).at(0).Fill, LightYellow);
}

TEST_F(PanelDrawing, InstrumentNeedleShowsEachState) {
    // Box 3's upper dial (line towards the box) stands at cell (40, 16).
    const int cx = CX(40), cy = CY(16);
    g.BoxBlock[3][0] = LineClear;
    PaintWindow(g);
    EXPECT_EQ(host.Pies.size(), 3u);
    EXPECT_TRUE(host.HasLine(cx + U(5), cy - U(5), cx - U(5), cy + U(5), White));
    host.Forget();
    g.BoxBlock[3][0] = TrainOnLine;
    PaintWindow(g);
    EXPECT_TRUE(host.HasLine(cx - U(5), cy - U(5), cx + U(5), cy + U(5), White));
    host.Forget();
    g.BoxBlock[3][0] = LineBlocked;
    PaintWindow(g);
    EXPECT_TRUE(host.HasLine(cx, cy - U(6), cx, cy + U(6), White));
    EXPECT_EQ(host.Pies.size(), 3u);

    // The branch instrument shows a train coming whatever its outgoing state.
    host.Forget();
    const int bx = CX(19), by = CY(17);
    g.BoxBlock[2] = {LineClear, TrainOnLine};
    PaintWindow(g);
    EXPECT_TRUE(host.HasLine(bx, by, bx, by + U(16), Black));
    host.Forget();
    g.BoxBlock[2] = {LineClear, LineBlocked};
    PaintWindow(g);
    EXPECT_TRUE(host.HasLine(bx, by, bx + U(17), by + U(8), Black));
    host.Forget();
    g.BoxBlock[2] = {LineBlocked, LineBlocked};
    PaintWindow(g);
    EXPECT_TRUE(host.HasLine(bx, by, bx - U(17), by + U(8), Black));
}

TEST_F(PanelDrawing, BellIndicatorLitThenClearedAndYardSign) {
    g.BoxBellShown[3] = 17;  // train out of section, 2-1
    g.YardClear = false;
    PaintWindow(g);
    EXPECT_EQ(host.Row(21).substr(37, 12), " Bell 2-1   ");
    ASSERT_NE(host.TextAt(38, 21, g), nullptr);
    EXPECT_EQ(host.TextAt(38, 21, g)->Bg, (Rgb{160, 32, 32}));
    EXPECT_EQ(host.Row(15).substr(80, 12), " Yard busy  ");
    EXPECT_EQ(host.TextAt(81, 15, g)->Bg, ErrorRed);

    host.Forget();
    g.BoxBellShown[3] = 0;
    g.YardClear = true;
    PaintWindow(g);
    EXPECT_EQ(host.Row(21).substr(37, 12), std::string(12, ' '));
    EXPECT_EQ(host.Row(15).substr(80, 12), " Yard clear ");
    EXPECT_EQ(host.TextAt(81, 15, g)->Bg, (Rgb{0, 160, 0}));
    EXPECT_EQ(host.Draws.size(), 2u);  // the other boxes' indicators are left alone
}

TEST_F(PanelDrawing, PaintWithNothingChangedDrawsNothingButTheStatusBar) {
    g.ClockNow = 401;
    PaintWindow(g);
    EXPECT_TRUE(host.Lines.empty());
    EXPECT_TRUE(host.Ellipses.empty());
    EXPECT_TRUE(host.Pies.empty());
    EXPECT_TRUE(host.Draws.empty());
    EXPECT_EQ(host.Status.Time.rfind(FormatClock(401, 6), 0), 0u);
    EXPECT_EQ(host.Presents, 1);
}

TEST_F(PanelDrawing, NothingIsDrawnOutsideASession) {
    g.FullRedraw = true;
    g.SectTrain[5] = 3;
    g.SessionRunning = false;
    PaintWindow(g);
    g.SessionRunning = true;
    g.PaintEnabled = false;
    PaintWindow(g);
    EXPECT_TRUE(g.FullRedraw);
    EXPECT_EQ(host.Presents, 0);
    EXPECT_TRUE(host.Lines.empty() && host.Ellipses.empty() && host.Draws.empty());
}

TEST_F(PanelDrawing, FullPaintKeepsThePromptOnTheMessageLine) {
    MoveCursor(g, 1, MessageLineRow);
    WriteText(g, "Pull which lever?");
    MoveCursor(g, 5, 5);
    g.FullRedraw = true;
    PaintWindow(g);
    EXPECT_EQ(host.Row(MessageLineRow).substr(0, 17), "Pull which lever?");
    EXPECT_EQ(BottomLine(g, MessageLineRow), "Pull which lever?");
    EXPECT_EQ(g.CursorX, 4 * g.CellWidth);  // the writer's cursor is where it was
}

}  // namespace
}  // namespace kv41
