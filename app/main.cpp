// kv41: the desktop program.
//
// Options for tests and demonstrations:
//   --new SHIFT LEVEL   start a new game at once (1 Night .. 5 Marathon, 1 Very easy .. 5 Very
//                       hard)
//   --tick-ms N         real milliseconds per simulation step (default: the game's speed)
//   --screenshot FILE   save the screen to FILE just before --exit-after ends the program
//   --exit-after MS     end the program after MS milliseconds
//   --self-check        at the end, fail (exit code 3) unless the panel shows a drawing
//   --at MS ACTION      do something at a time: key:X (type a key), click:COLUMN,ROW (click a
//                       panel cell), hit:CODE (click the first cell with that action code, e.g.
//                       81 for box 1's name), options, font:SIZE (the panel font size, as the
//                       options window sets it), newgame, help:TOPIC, shot:FILE (save the whole
//                       screen, dialogs included, as it stands), paint-timing:N (time N full
//                       paints of the panel and print the figures)
//   --trace             print the messages of play on standard error
//   --replay FILE       play the replay in FILE in the window, one tick or input every
//                       --tick-ms (default 100) ms; a click on the panel or a key takes over
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <iostream>
#include <vector>

#include "dialog_picture.h"
#include "framework/program_files.h"
#include "framework/text_grid.h"
#include "main_window.h"
#include "panel/click_regions.h"
#include "panel/instruments.h"
#include "panel/panel_drawing.h"
#include "qt_platform.h"
#include "replay_player.h"
#include "session/window_input.h"

namespace {

constexpr int SelfCheckFailed = 3;

// The whole screen as it stands, read back from the window system: never the widgets' own
// drawing, which would show what the screen may not.
void SaveScreen(const QString& file) {
    QPixmap picture;
    if (QScreen* screen = QGuiApplication::primaryScreen()) picture = screen->grabWindow(0);
    if (picture.isNull() || !picture.save(file)) {
        std::cerr << "kv41: no picture of the screen saved in " << file.toStdString() << '\n';
    }
}

// Times full paints of the panel, each drawn afresh and put on the screen, and prints the
// figures: a timed run, for the speed of the drawing at the font size in use.
void TimePaints(MainWindow& window, QtPlatform& host, int times) {
    auto& g = window.Game();
    std::vector<double> drawMs, presentMs;
    for (int i = 0; i < times; ++i) {
        QElapsedTimer clock;
        clock.start();
        g.FullRedraw = true;
        kv41::ClearPanel(g);
        kv41::PaintPanel(g);
        kv41::DrawYardIndicator(g);
        g.FullRedraw = false;
        drawMs.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        host.PresentChanges();
        presentMs.push_back(clock.nsecsElapsed() / 1e6);
    }
    auto report = [times](const char* what, std::vector<double>& ms) {
        std::sort(ms.begin(), ms.end());
        const auto at = [&](double q) { return ms[static_cast<std::size_t>(q * (times - 1))]; };
        std::cerr << "paint timing: " << what << " min " << ms.front() << " median " << at(0.5)
                  << " p99 " << at(0.99) << " max " << ms.back() << " ms\n";
    };
    std::cerr << "paint timing: font " << g.FontSize << " cell " << g.CellWidth << 'x'
              << g.CellHeight << ", " << times << " paints\n";
    report("draw", drawMs);
    report("present", presentMs);
}

void ClickCell(MainWindow& window, int column, int row) {
    const auto& g = window.Game();
    kv41::OnMouseDown(window.Game(), (column - 1) * g.CellWidth + g.CellWidth / 2,
                      (row - 1) * g.CellHeight + g.StatusHeight + g.CellHeight / 2);
    window.NoteInput();
}

// The first cell, row by row, whose click means the action.
void ClickAction(MainWindow& window, int code) {
    for (int row = 1; row <= kv41::GridRows; ++row) {
        for (int column = 1; column <= kv41::GridColumns; ++column) {
            if (kv41::HitTest(window.Game(), column, row) == code) {
                ClickCell(window, column, row);
                return;
            }
        }
    }
}

// One --at action; false if it is not understood.
bool Schedule(MainWindow& window, QtPlatform& host, int ms, const QString& action) {
    const QString what = action.section(':', 0, 0);
    const QString arg = action.section(':', 1);
    std::function<void()> run;
    if (what == "key" && arg.size() == 1) {
        run = [&window, arg] {
            kv41::OnKeyPress(window.Game(), arg.at(0).toLatin1());
            window.NoteInput();
        };
    } else if (what == "click" && arg.contains(',')) {
        const int column = arg.section(',', 0, 0).toInt();
        const int row = arg.section(',', 1).toInt();
        run = [&window, column, row] { ClickCell(window, column, row); };
    } else if (what == "hit") {
        run = [&window, code = arg.toInt()] { ClickAction(window, code); };
    } else if (what == "options") {
        run = [&window] { window.Give({kv41::WindowCommand::Options}); };
    } else if (what == "font") {
        run = [&window, size = arg.toInt()] {
            kv41::OptionValues values = kv41::CurrentOptions(window.Game());
            values.MainFontSize = size;
            kv41::TakeChosenOptions(window.Game(), values, window);
        };
    } else if (what == "newgame") {
        run = [&window] { window.NewClick(); };
    } else if (what == "help") {
        run = [&window, arg] { window.ShowHelp(arg.toInt()); };
    } else if (what == "paint-timing") {
        run = [&window, &host, times = std::max(1, arg.toInt())] {
            TimePaints(window, host, times);
        };
    } else if (what == "shot" && !arg.isEmpty()) {
        run = [arg] { SaveScreen(arg); };
    } else {
        return false;
    }
    QTimer::singleShot(ms, &window, run);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("Tarrock Junction Signal Box, Summer 1954");
    app.setWindowIcon(QIcon(SignalBoxPicture()));
    app.setDesktopFileName("org.kv41.kv41");  // the menu entry, for the desktop's icon
    int newShift = 0, newLevel = 0, exitAfter = 0, tickMs = 0;
    QString screenshot, replayFile;
    bool trace = false;
    bool selfCheck = false;
    QList<QPair<int, QString>> actions;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--new" && i + 2 < args.size()) {
            newShift = args[++i].toInt();
            newLevel = args[++i].toInt();
        } else if (a == "--exit-after" && i + 1 < args.size()) {
            exitAfter = args[++i].toInt();
        } else if (a == "--tick-ms" && i + 1 < args.size()) {
            tickMs = args[++i].toInt();
        } else if (a == "--screenshot" && i + 1 < args.size()) {
            screenshot = args[++i];
        } else if (a == "--at" && i + 2 < args.size()) {
            const int ms = args[++i].toInt();
            actions.append({ms, args[++i]});
        } else if (a == "--self-check") {
            selfCheck = true;
        } else if (a == "--replay" && i + 1 < args.size()) {
            replayFile = args[++i];
        } else if (a == "--trace") {
            trace = true;
        } else {
            std::cerr << "kv41: unknown option " << a.toStdString() << '\n';
            return 2;
        }
    }
    if (newShift < 0 || newShift > 5 || newLevel < 0 || newLevel > 5) {
        std::cerr << "kv41: --new takes a shift 1..5 and a level 1..5\n";
        return 2;
    }

    kv41::ReplayScript script;
    if (!replayFile.isEmpty()) {
        QFile file(replayFile);
        if (!file.open(QIODevice::ReadOnly) || !script.Read(file.readAll().toStdString())) {
            std::cerr << "kv41: " << replayFile.toStdString() << " is not a replay\n";
            return 2;
        }
    }

    MainWindow window;
    QtPlatform host(window);
    window.Game().Host = &host;
    host.TraceOutput = trace;
    window.SetTrace(trace);
    // A replay takes its pace from the option; the game it hands over runs at its own speed.
    if (replayFile.isEmpty()) host.TickOverrideMs = tickMs;
    if (exitAfter > 0) {
        QTimer::singleShot(exitAfter, [&] {
            if (!screenshot.isEmpty()) SaveScreen(screenshot);
            host.RequestExit(0);
        });
    }
    // The help and the font must stand beside the program; without them it ends at once.
    try {
        kv41::CheckProgramFiles(window.Game());
    } catch (const kv41::ProgramEnd& end) {
        return end.ExitCode;
    }
    // Laid out and placed before it is shown, so that the window manager frames it where it
    // belongs.
    window.PrepareStart();
    window.show();
    for (const auto& [ms, action] : actions) {
        if (!Schedule(window, host, ms, action)) {
            std::cerr << "kv41: unknown --at action " << action.toStdString() << '\n';
            return 2;
        }
    }
    std::unique_ptr<ReplayPlayer> player;
    if (!replayFile.isEmpty()) {
        player = std::make_unique<ReplayPlayer>(window, host, script, tickMs);
        QTimer::singleShot(0, [&] { player->Start(); });
    } else if (newShift > 0) {
        QTimer::singleShot(0, [&] { window.StartGame(newShift - 1, newLevel - 1); });
    } else {
        QTimer::singleShot(0, [&] { window.OfferInterruptedShift(); });
    }
    const int result = app.exec();
    if (selfCheck && !window.PanelDrawn()) {
        std::cerr << "kv41: self-check failed: the panel shows nothing\n";
        return SelfCheckFailed;
    }
    return result;
}
