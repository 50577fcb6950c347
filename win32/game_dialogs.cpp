#include "game_dialogs.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "dialog_window.h"
#include "ui_fonts.h"
#include "wide_text.h"

namespace {

constexpr int DialogPoints = 9;
constexpr int FirstChoiceId = 100;
constexpr int FontBarId = 300;
constexpr int ListId = 400;  // clear of IDOK and IDCANCEL, which its notifications would mimic

// A dialog cell's place in pixels, scaled as the screen's resolution asks.
RECT CellPlace(const kv41::CellRect& place) {
    const int w = MulDiv(kv41::DialogCell.Width, PointsToPixels(72), 96);
    const int h = MulDiv(kv41::DialogCell.Height, PointsToPixels(72), 96);
    return RECT{place.Column * w, place.Row * h, (place.Column + place.Columns) * w,
                (place.Row + place.Rows) * h};
}

// A text's place: its given size, or as large as the text in the font.
RECT TextPlace(const kv41::TextPlace& text, HFONT font) {
    RECT place = CellPlace(text.Place);
    if (text.Place.Columns == 0 || text.Place.Rows == 0) {
        HDC screen = GetDC(nullptr);
        HGDIOBJ old = SelectObject(screen, font);
        RECT measured{0, 0, 0, 0};
        ::DrawTextW(screen, Wide(text.Text).c_str(), -1, &measured, DT_CALCRECT | DT_NOPREFIX);
        SelectObject(screen, old);
        ReleaseDC(nullptr, screen);
        place.right = place.left + measured.right + 2;
        place.bottom = place.top + measured.bottom;
    }
    return place;
}

// The program's picture (its icon) in the dialog's picture place.
void Picture(DialogWindow& dialog) {
    const RECT place = CellPlace(kv41::PicturePlace);
    const int side = std::min(static_cast<int>(place.right - place.left), PointsToPixels(96));
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, side, side,
                             LR_DEFAULTCOLOR);
    if (!icon) return;
    HWND picture =
        dialog.Add(L"STATIC", "", SS_ICON | SS_REALSIZECONTROL,
                   RECT{place.left, place.top, place.left + side, place.top + side}, nullptr);
    SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

// A group box with its items as radio buttons one under another; gives the buttons.
std::vector<HWND> Radios(DialogWindow& dialog, const kv41::RadioGroup& group, int firstId) {
    const HFONT font = SansFont(DialogPoints);
    const HFONT itemFont = group.FixedPitch ? TypewriterFont(DialogPoints) : font;
    const RECT box = CellPlace(group.Place);
    dialog.Add(L"BUTTON", group.Title, BS_GROUPBOX, box, font);
    std::vector<HWND> buttons;
    const int count = std::max<int>(1, static_cast<int>(group.Items.size()));
    const int top = box.top + PointsToPixels(DialogPoints) + 6;
    const int pitch = std::max(1, static_cast<int>((box.bottom - 4 - top) / count));
    for (int i = 0; i < static_cast<int>(group.Items.size()); ++i) {
        const DWORD style = BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0);
        buttons.push_back(
            dialog.Add(L"BUTTON", group.Items[static_cast<std::size_t>(i)], style,
                       RECT{box.left + 8, top + i * pitch, box.right - 6, top + (i + 1) * pitch},
                       itemFont, firstId + i));
    }
    if (group.Chosen >= 0 && group.Chosen < static_cast<int>(buttons.size())) {
        SendMessageW(buttons[static_cast<std::size_t>(group.Chosen)], BM_SETCHECK, BST_CHECKED, 0);
    }
    return buttons;
}

int Checked(const std::vector<HWND>& buttons) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (SendMessageW(buttons[i], BM_GETCHECK, 0, 0) == BST_CHECKED) return static_cast<int>(i);
    }
    return 0;
}

RECT Grown(RECT r, int dx, int dy) {
    return RECT{r.left, r.top, r.right + dx, r.bottom + dy};
}

}  // namespace

std::optional<NewGameChoice> RunNewGameDialog(HWND owner, const kv41::NewGameWindow& model) {
    const RECT client = CellPlace({0, 0, model.Cells.Width, model.Cells.Height});
    DialogWindow dialog(owner, model.Caption, client.right, client.bottom, true);
    dialog.SetHelpTopic(model.HelpTopic);
    Picture(dialog);
    const HFONT name = SansFont(DialogPoints + 2, true);
    dialog.Label(model.Name.Text, TextPlace(model.Name, name), name);
    const HFONT font = SansFont(DialogPoints);
    dialog.Label(model.Hint.Text, TextPlace(model.Hint, font), font);
    const std::vector<HWND> levels = Radios(dialog, model.Levels, FirstChoiceId);
    const std::vector<HWND> shifts = Radios(dialog, model.Shifts, FirstChoiceId + 50);
    HWND ok = dialog.Button(model.Ok.Text, CellPlace(model.Ok.Place), font, IDOK, true);
    dialog.Button(model.Cancel.Text, CellPlace(model.Cancel.Place), font, IDCANCEL, false);
    dialog.OnCommand = [&dialog](int id, int) {
        if (id == IDOK || id == IDCANCEL) dialog.End(id);
    };
    dialog.CentreOn(owner);
    if (dialog.RunModal(ok) != IDOK) return std::nullopt;
    return NewGameChoice{Checked(shifts), Checked(levels)};
}

void RunEndDialog(HWND owner, const kv41::EndWindow& model) {
    const RECT client = CellPlace({0, 0, model.Cells.Width, model.Cells.Height});
    DialogWindow dialog(owner, model.Caption, client.right, client.bottom, true);
    dialog.SetHelpTopic(model.HelpTopic);
    Picture(dialog);
    // The box's name, set smaller until it fits on its line.
    const RECT namePlace = CellPlace(model.Name.Place);
    int points = DialogPoints + 4;
    for (; points > 6; --points) {
        if (TextPlace({model.Name.Text, {}}, SansFont(points, true)).right <=
            namePlace.right - namePlace.left)
            break;
    }
    dialog.Label(model.Name.Text, namePlace, SansFont(points, true));
    const HFONT lines = TypewriterFont(DialogPoints + 1);
    for (const kv41::TextPlace& line : model.Lines) {
        dialog.Label(line.Text, TextPlace(line, lines), lines);
    }
    HWND ok =
        dialog.Button(model.Ok.Text, CellPlace(model.Ok.Place), SansFont(DialogPoints), IDOK, true);
    dialog.OnCommand = [&dialog](int id, int) {
        if (id == IDOK || id == IDCANCEL) dialog.End(IDOK);
    };
    dialog.CentreOn(owner);
    dialog.RunModal(ok);
}

std::optional<kv41::OptionValues> RunOptionsDialog(HWND owner, const kv41::OptionsWindow& model,
                                                   const kv41::OptionValues& current) {
    const HFONT font = SansFont(DialogPoints);
    const SIZE cell = FontCell(font);
    const int line = cell.cy + 6;
    const int margin = 10;
    const int groupTop = margin;
    // Columns: the preferences, the font bars, then the rules over the block working.
    const int prefWidth = 14 * cell.cx;
    const int barWidth = 9 * cell.cx;
    const int rightWidth = 24 * cell.cx;
    const int barHeight = model.FontBarRows * line;
    const int groupHeight = barHeight + 4 * line;
    const int width = margin * 2 + prefWidth + 2 * (barWidth + margin) + margin + rightWidth;
    const int buttonTop = groupTop + groupHeight + margin;
    const int height = buttonTop + 2 * line + margin;
    DialogWindow dialog(owner, model.Caption, width, height, true);
    dialog.SetHelpTopic(model.HelpTopic);

    int left = margin;
    dialog.Add(L"BUTTON", model.PreferencesTitle, BS_GROUPBOX,
               RECT{left, groupTop, left + prefWidth, groupTop + groupHeight}, font);
    std::vector<HWND> preferences;
    for (std::size_t i = 0; i < model.Preferences.size(); ++i) {
        const kv41::OptionCheck& check = model.Preferences[i];
        const int top = groupTop + line + static_cast<int>(i) * line;
        HWND box = dialog.Add(L"BUTTON", check.Text, BS_AUTOCHECKBOX | WS_TABSTOP,
                              RECT{left + 8, top, left + prefWidth - 6, top + line}, font);
        SendMessageW(box, BM_SETCHECK, current.*check.Field ? BST_CHECKED : BST_UNCHECKED, 0);
        EnableWindow(box, check.Enabled);
        preferences.push_back(box);
    }
    left += prefWidth + margin;

    struct Bar {
        HWND Track, Value;
        const kv41::FontBar* Model;
    };
    std::vector<Bar> bars;
    for (const kv41::FontBar& bar : model.FontBars) {
        dialog.Add(L"BUTTON", bar.Title, BS_GROUPBOX,
                   RECT{left, groupTop, left + barWidth, groupTop + groupHeight}, font);
        dialog.Add(L"STATIC", "Font Size", SS_CENTER,
                   RECT{left + 4, groupTop + line, left + barWidth - 4, groupTop + 2 * line}, font);
        const int barTop = groupTop + 2 * line;
        dialog.Add(L"STATIC", std::to_string(bar.Largest), SS_LEFT,
                   RECT{left + 6, barTop, left + 3 * cell.cx + 6, barTop + line}, font);
        dialog.Add(
            L"STATIC", std::to_string(bar.Smallest), SS_LEFT,
            RECT{left + 6, barTop + barHeight - line, left + 3 * cell.cx + 6, barTop + barHeight},
            font);
        // Larger sizes at the top, as a bar reads naturally: the control counts downwards,
        // so it holds the size negated.
        HWND track = dialog.Add(
            TRACKBAR_CLASSW, "", TBS_VERT | TBS_AUTOTICKS | WS_TABSTOP,
            RECT{left + 3 * cell.cx + 8, barTop, left + barWidth - 6, barTop + barHeight}, font,
            FontBarId + static_cast<int>(bars.size()));
        SendMessageW(track, TBM_SETRANGE, TRUE, MAKELPARAM(-bar.Largest, -bar.Smallest));
        SendMessageW(track, TBM_SETPAGESIZE, 0, 1);
        SendMessageW(track, TBM_SETPOS, TRUE, -kv41::FontBarValue(bar, current));
        HWND value = dialog.Add(
            L"STATIC", bar.ValueName + "  " + std::to_string(kv41::FontBarValue(bar, current)),
            SS_CENTER,
            RECT{left + 4, barTop + barHeight + 4, left + barWidth - 4,
                 barTop + barHeight + 4 + line},
            font);
        bars.push_back({track, value, &bar});
        left += barWidth + margin;
    }

    const int rulesHeight = (static_cast<int>(model.Rules.size()) + 1) * line + 6;
    dialog.Add(L"BUTTON", model.RulesTitle, BS_GROUPBOX,
               RECT{left, groupTop, left + rightWidth, groupTop + rulesHeight}, font);
    std::vector<HWND> rules;
    for (std::size_t i = 0; i < model.Rules.size(); ++i) {
        const int top = groupTop + line + static_cast<int>(i) * line;
        rules.push_back(dialog.Add(L"BUTTON", model.Rules[i],
                                   BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
                                   RECT{left + 8, top, left + rightWidth - 6, top + line}, font));
    }
    SendMessageW(rules[static_cast<std::size_t>(kv41::RulesIndex(current))], BM_SETCHECK,
                 BST_CHECKED, 0);
    const int blockTop = groupTop + rulesHeight + margin;
    dialog.Add(L"BUTTON", model.BlockTitle, BS_GROUPBOX | WS_GROUP,
               Grown(RECT{left, blockTop, left + rightWidth,
                          blockTop + (static_cast<int>(model.Block.size()) + 1) * line + 6},
                     0, 0),
               font);
    std::vector<HWND> block;
    for (std::size_t i = 0; i < model.Block.size(); ++i) {
        const kv41::OptionCheck& check = model.Block[i];
        const int top = blockTop + line + static_cast<int>(i) * line;
        HWND box = dialog.Add(L"BUTTON", check.Text, BS_AUTOCHECKBOX | WS_TABSTOP,
                              RECT{left + 8, top, left + rightWidth - 6, top + line}, font);
        SendMessageW(box, BM_SETCHECK, current.*check.Field ? BST_CHECKED : BST_UNCHECKED, 0);
        block.push_back(box);
    }

    const int buttonWidth = 10 * cell.cx;
    int buttonLeft = width - margin - 3 * buttonWidth - 2 * margin;
    HWND ok = dialog.Button(
        "OK", RECT{buttonLeft, buttonTop, buttonLeft + buttonWidth, buttonTop + 2 * line - 8}, font,
        IDOK, true);
    buttonLeft += buttonWidth + margin;
    dialog.Button("Cancel",
                  RECT{buttonLeft, buttonTop, buttonLeft + buttonWidth, buttonTop + 2 * line - 8},
                  font, IDCANCEL, false);
    buttonLeft += buttonWidth + margin;
    dialog.Button("Help",
                  RECT{buttonLeft, buttonTop, buttonLeft + buttonWidth, buttonTop + 2 * line - 8},
                  font, IDHELP, false);
    dialog.OnCommand = [&](int id, int) {
        if (id == IDOK || id == IDCANCEL) dialog.End(id);
        if (id == IDHELP) SendMessageW(owner, WM_HELP, 0, 0);
    };
    // The value under each bar follows it.
    SetWindowSubclass(
        dialog.Handle(),
        [](HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
           DWORD_PTR data) -> LRESULT {
            if (message == WM_VSCROLL) {
                for (const Bar& bar : *reinterpret_cast<std::vector<Bar>*>(data)) {
                    if (reinterpret_cast<HWND>(lParam) != bar.Track) continue;
                    const int size = -static_cast<int>(SendMessageW(bar.Track, TBM_GETPOS, 0, 0));
                    SetWindowTextW(
                        bar.Value,
                        Wide(bar.Model->ValueName + "  " + std::to_string(size)).c_str());
                }
            }
            return DefSubclassProc(window, message, wParam, lParam);
        },
        1, reinterpret_cast<DWORD_PTR>(&bars));
    dialog.CentreOn(owner);
    const int answer = dialog.RunModal(ok);
    RemoveWindowSubclass(dialog.Handle(), nullptr, 1);
    if (answer != IDOK) return std::nullopt;
    kv41::OptionValues chosen = current;
    auto isChecked = [](HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; };
    for (std::size_t i = 0; i < preferences.size(); ++i) {
        chosen.*model.Preferences[i].Field = isChecked(preferences[i]);
    }
    for (std::size_t i = 0; i < block.size(); ++i) {
        chosen.*model.Block[i].Field = isChecked(block[i]);
    }
    kv41::SetRulesIndex(chosen, Checked(rules));
    for (const Bar& bar : bars) {
        chosen.*bar.Model->Field = -static_cast<int>(SendMessageW(bar.Track, TBM_GETPOS, 0, 0));
    }
    return chosen;
}

std::optional<int> RunBellListDialog(HWND owner, const kv41::BellListWindow& model) {
    const HFONT plain = TypewriterFont(model.FontSize);
    const SIZE cell = FontCell(plain);
    const int w = cell.cx;
    const int h = cell.cy + 1;
    const int left = 10;
    const int listTop = 5 + (3 * h + 3) / 2;
    const int rows = static_cast<int>(model.Lines.size());
    // Tall enough for every code without scrolling.
    const int listHeight = rows * h + 4;
    const int footTop = listTop + listHeight + h;
    const int buttonTop = footTop + (3 * h + 3) / 2;
    const int width = model.Columns * w + 25;
    const int height = buttonTop + model.ButtonRows * h + 10;
    DialogWindow dialog(owner, model.Caption, width, height, false);
    dialog.SetHelpTopic(model.HelpTopic);
    const HFONT bold = TypewriterFont(model.FontSize, true);
    dialog.Label(model.Heading, RECT{left, 5, left + model.Columns * w, 5 + h}, bold);
    HWND list = dialog.Add(
        L"LISTBOX", "", WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
        RECT{left, listTop, left + model.Columns * w, listTop + listHeight}, plain, ListId);
    SendMessageW(list, LB_SETITEMHEIGHT, 0, h);
    for (const std::string& line : model.Lines) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(line).c_str()));
    }
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(model.Chosen), 0);
    dialog.Label(model.Footnote,
                 RECT{left + model.FootnoteColumn * w, footTop,
                      left + (model.FootnoteColumn + 40) * w, footTop + h},
                 plain);
    const int centre = left + model.CentreColumn * w;
    const int buttonWidth = model.ButtonColumns * w;
    const int gap = model.ButtonGapColumns * w;
    const int buttonHeight = model.ButtonRows * h;
    dialog.Button(
        model.Cancel,
        RECT{centre - gap - buttonWidth, buttonTop, centre - gap, buttonTop + buttonHeight}, plain,
        IDCANCEL, false);
    dialog.Button(
        model.Ok,
        RECT{centre + gap, buttonTop, centre + gap + buttonWidth, buttonTop + buttonHeight}, plain,
        IDOK, true);
    std::optional<int> chosen;
    dialog.OnCommand = [&](int id, int code) {
        const bool pick = id == IDOK || (id == ListId && code == LBN_DBLCLK);
        if (pick) {
            const LRESULT row = SendMessageW(list, LB_GETCURSEL, 0, 0);
            if (row != LB_ERR) chosen = static_cast<int>(row);
            dialog.End(IDOK);
        } else if (id == IDCANCEL && code == BN_CLICKED) {
            dialog.End(IDCANCEL);
        }
    };
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const SIZE frame = dialog.FrameSize();
    const kv41::Rect place =
        kv41::BesideThePanel({work.left, work.top, work.right - work.left, work.bottom - work.top},
                             {frame.cx, frame.cy}, h);
    dialog.MoveTo(place.Left, place.Top);
    dialog.RunModal(list);
    return chosen;
}
