#include "framework/messages.h"

#include <string>

#include "framework/player_dialogs.h"
#include "framework/score_log.h"
#include "framework/score_watch.h"
#include "framework/sounds.h"
#include "framework/text_grid.h"
#include "game_state.h"
#include "platform/platform.h"

namespace kv41 {

namespace {

constexpr std::size_t MaxMessage = 255;
constexpr std::size_t MaxPointsText = 79;
constexpr std::size_t MaxFatalText = 240;
constexpr int FlashMs = 2000;
constexpr int FatalHelpContext = 261;

struct Presentation {
    Output Kind;
    BoxType Box;
    Rgb Text;
    Rgb Back;
    bool BonusSound;
};

constexpr Presentation ErrorLook{Output::Error, BoxType::Error, White, ErrorRed, false};
constexpr Presentation NoticeLook{Output::Notice, BoxType::Warning, Black, LightYellow, false};
constexpr Presentation BonusLook{Output::Bonus, BoxType::Information, Black, BonusGreen, true};

void WriteOnMessageLine(GameState& g, const std::string& text, Rgb textColour, Rgb backColour) {
    ClearMessageLine(g);
    SetBackColour(g, backColour);
    SetTextColour(g, textColour);
    // The message line is one row: a longer text is cut at its end rather than running on
    // into the status line below, which the flash does not clear.
    WriteText(g, std::string_view(text).substr(0, static_cast<std::size_t>(g.GridColumnCount)));
}

void EndFlash(GameState& g, int pauseMs) {
    Pause(g, pauseMs);
    DefaultColours(g);
    ClearMessageLine(g);
}

void Present(GameState& g, const Presentation& look, std::string_view message) {
    std::string text(message.substr(0, MaxMessage));
    if (g.WaitOnError) {
        // The bonus chime comes before the box, which holds the game until OK.
        if (look.BonusSound) PlayBonusSound(g);
        g.Host->Report(look.Kind, text);
        g.Host->ShowMessageBox(text, look.Box, g.HelpContext);
    } else {
        WriteOnMessageLine(g, text, look.Text, look.Back);
        g.Host->Report(look.Kind, text);
        if (look.BonusSound) PlayBonusSound(g);
        EndFlash(g, FlashMs);
    }
    StoreMessage(g, text);
}

std::string PointsText(std::string_view verb, int points, std::string_view reason) {
    std::string text = "You " + std::string(verb) + " " + std::to_string(points) + " point" +
                       (points > 1 ? "s" : "") + " for " + std::string(reason);
    return text.substr(0, MaxPointsText);
}

}  // namespace

void ShowError(GameState& g, std::string_view text) {
    PlayErrorSound(g);
    Present(g, ErrorLook, text);
}

void ShowNotice(GameState& g, std::string_view text) {
    Present(g, NoticeLook, text);
}

void ShowBonus(GameState& g, std::string_view text) {
    Present(g, BonusLook, text);
}

void LosePoints(GameState& g, int points, std::string_view reason) {
    g.Points -= points;
    if (g.Scores) g.Scores->Scored(g, -points, reason);
    ShowError(g, PointsText("lose", points, reason));
    LogScore(g, -points, reason);
}

void GainPoints(GameState& g, int points, std::string_view reason) {
    g.Points += points;
    if (g.Scores) g.Scores->Scored(g, points, reason);
    ShowBonus(g, PointsText("gain", points, reason));
    LogScore(g, points, reason);
}

void ShowLineMessage(GameState& g, std::string_view text, Rgb textColour, Rgb backColour,
                     int pauseMs) {
    std::string line(text.substr(0, MaxMessage));
    WriteOnMessageLine(g, line, textColour, backColour);
    g.Host->Report(Output::Line, line);
    if (pauseMs > 0) {
        EndFlash(g, pauseMs);
    } else {
        DefaultColours(g);
    }
}

void ShowLongLineMessage(GameState& g, std::string_view text, Rgb textColour, Rgb backColour) {
    const auto width = static_cast<std::size_t>(g.GridColumnCount);
    std::string first(text), rest;
    if (first.size() > width) {
        std::size_t cut = first.rfind(' ', width);
        if (cut == std::string::npos || cut == 0) cut = width;
        rest = first.substr(cut);
        first.resize(cut);
        while (!rest.empty() && rest.front() == ' ') rest.erase(rest.begin());
        rest = " " + rest.substr(0, width - 1);
    }
    ClearMessageLine(g);
    SetBackColour(g, backColour);
    SetTextColour(g, textColour);
    if (!rest.empty()) {
        // The cursor runs on from the end of the message line to the start of the row below.
        first.resize(width, ' ');
        WriteText(g, first + rest);
        g.MessageRunsOn = true;
    } else {
        WriteText(g, first);
    }
    g.Host->Report(Output::Line, std::string(text));
    DefaultColours(g);
}

void StoreMessage(GameState& g, std::string_view text) {
    // The write position points at the newest entry; advancing it drops the oldest.
    g.MessageIndex =
        (g.MessageIndex >= 1 && g.MessageIndex < MessageSlots) ? g.MessageIndex + 1 : 1;
    g.MessageTime[static_cast<std::size_t>(g.MessageIndex)] = g.ClockNow;
    g.MessageText[static_cast<std::size_t>(g.MessageIndex)] = text;
}

void ClearMessages(GameState& g) {
    for (int slot = 1; slot <= MessageSlots; ++slot) {
        g.MessageTime[static_cast<std::size_t>(slot)] = -1;
        g.MessageText[static_cast<std::size_t>(slot)] = "";
    }
    g.MessageIndex = 1;
}

bool AskYesNo(GameState& g, std::string_view text) {
    return AskPlayer(g, std::string(text));
}

void FatalError(GameState& g, std::string_view reason) {
    std::string text = "Program cannot continue:\r\n" + std::string(reason) +
                       "\r\nPlease see Error Messages page in Help";
    g.HelpContext = FatalHelpContext;
    g.Host->ShowBox(text.substr(0, MaxFatalText), BoxType::Error, FatalHelpContext);
    throw ProgramEnd{1};
}

}  // namespace kv41
