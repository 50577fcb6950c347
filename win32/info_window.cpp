#include "info_window.h"

#include <algorithm>
#include <string>

#include "frontend/game_windows.h"
#include "ui_fonts.h"
#include "wide_text.h"

namespace {

constexpr COLORREF TitleGreen = RGB(0, 128, 0);

std::string Joined(const std::vector<std::string>& lines, std::size_t from, std::size_t count,
                   const char* between) {
    std::string text;
    for (std::size_t i = from; i < from + count && i < lines.size(); ++i) {
        if (i > from) text += between;
        text += lines[i];
    }
    return text;
}

}  // namespace

bool InfoWindow::IsWindow(HWND window) const {
    return window_ && window_->Handle() == window;
}

void InfoWindow::Restyle(int pointSize) {
    if (window_ && IsWindowVisible(window_->Handle())) Show(kv41::InfoWindow(shown_), pointSize);
}

void InfoWindow::Show(const kv41::InfoWindow& snapshot, int pointSize) {
    const kv41::InfoWindowShape shape = kv41::InfoWindowShapeOf(snapshot.Name);
    const bool sameShape = window_ && pointSize == pointSize_ &&
                           snapshot.Heads.size() == shown_.Heads.size() &&
                           snapshot.Panes.size() == shown_.Panes.size();
    shown_ = snapshot;
    const HFONT plain = TypewriterFont(pointSize);
    const SIZE cell = FontCell(plain);
    const int line = cell.cy + shape.ExtraLineHeight;
    if (sameShape) {
        // Only the texts change: the window stays where the player left it.
        std::size_t next = 0;
        for (std::size_t p = 0; p < memos_.size(); ++p) {
            const std::size_t count =
                p < snapshot.Panes.size() ? static_cast<std::size_t>(snapshot.Panes[p]) : 0;
            const bool oneLine = p < shape.Panes.size() && shape.Panes[p].OneLine;
            SetWindowTextW(
                memos_[p],
                ControlText(Joined(snapshot.Lines, next, count, oneLine ? " " : "\n")).c_str());
            next += count;
        }
        for (std::size_t k = 0; k < heads_.size() && k < snapshot.Heads.size(); ++k) {
            SetWindowTextW(heads_[k], Wide(snapshot.Heads[k]).c_str());
        }
        SetWindowTextW(window_->Handle(), Wide(snapshot.Caption).c_str());
        if (!IsWindowVisible(window_->Handle())) window_->ShowModeless();
        return;
    }
    const bool wasShown = window_ && IsWindowVisible(window_->Handle());
    RECT before{};
    if (wasShown) GetWindowRect(window_->Handle(), &before);
    pointSize_ = pointSize;
    heads_.clear();
    memos_.clear();
    // First the size, then the controls: the window is made for its content.
    const int memoWidth = shape.Columns * cell.cx + 16;
    const int margin = 10;
    int height = 5;
    for (std::size_t p = 0; p < shape.Panes.size(); ++p) {
        if (p > 0) height += line;
        height += shape.Panes[p].Heads * (line + line / 4);
        height += shape.Panes[p].OneLine ? line + 8 : std::max(1, shape.Panes[p].Rows) * line + 8;
        height += line / 4;
    }
    height += margin;
    window_ = std::make_unique<DialogWindow>(owner_, snapshot.Caption, memoWidth + 2 * margin,
                                             height, true);
    window_->SetHelpTopic(snapshot.HelpContext);
    DialogWindow* self = window_.get();
    window_->OnCommand = [self](int id, int) {
        if (id == IDCANCEL) ShowWindow(self->Handle(), SW_HIDE);
    };
    const std::string name = snapshot.Name;
    window_->OnMoved = [this, name](int left, int top) {
        if (LeftAt) LeftAt(name, left, top);
    };
    // Where it goes, and perhaps shorter than its content: then the window scrolls.
    RECT place{};
    const SIZE frame = window_->FrameSize();
    if (wasShown) {
        place = RECT{before.left, before.top, before.left + frame.cx, before.top + frame.cy};
    } else if (PlaceFor) {
        place = PlaceFor(name, frame);
    } else {
        place = RECT{0, 0, frame.cx, frame.cy};
    }
    const int shortBy = std::max(0, static_cast<int>(frame.cy - (place.bottom - place.top)));

    const HFONT bold = TypewriterFont(pointSize, true);
    const HFONT title = TypewriterFont(pointSize + 2, true);
    std::size_t head = 0, next = 0;
    int top = 5;
    for (std::size_t p = 0; p < shape.Panes.size(); ++p) {
        const kv41::InfoPane& pane = shape.Panes[p];
        if (p > 0) top += line;
        for (int k = 0; k < pane.Heads && head < snapshot.Heads.size(); ++k, ++head) {
            const bool green = shape.GreenHeads && k == 0;
            // Column headings start where the memo's text starts, over their columns.
            const int inset = green ? 0 : 4;
            heads_.push_back(
                window_->Label(snapshot.Heads[head],
                               RECT{margin + inset, top, margin + memoWidth, top + line + line / 4},
                               green ? title : bold, green ? TitleGreen : 0));
            top += line + line / 4;
        }
        const std::size_t count =
            p < snapshot.Panes.size() ? static_cast<std::size_t>(snapshot.Panes[p]) : 0;
        const int rows = pane.OneLine ? 1 : std::max(1, pane.Rows);
        const int memoHeight = rows * line + 8;
        const bool scrolls = static_cast<int>(count) > rows;
        const DWORD style =
            WS_BORDER | ES_READONLY |
            (pane.OneLine ? ES_AUTOHSCROLL
                          : ES_MULTILINE | ES_AUTOHSCROLL | (scrolls ? WS_VSCROLL : 0));
        memos_.push_back(
            window_->Add(L"EDIT", Joined(snapshot.Lines, next, count, pane.OneLine ? " " : "\n"),
                         style, RECT{margin, top, margin + memoWidth, top + memoHeight}, plain));
        next += count;
        top += memoHeight + line / 4;
    }
    if (shortBy > 0) {
        // The scroll bar widens it: it grows to the left, the side away from the screen's edge.
        window_->ShortenTo(frame.cy - shortBy);
        place.left -= window_->FrameSize().cx - frame.cx;
    }
    window_->MoveTo(place.left, place.top);
    window_->ShowModeless();
    // Shown, it may have been placed anew by a window manager (under Wine): back where it goes.
    window_->MoveTo(place.left, place.top);
}
