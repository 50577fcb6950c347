#include "qt_platform.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QThread>
#include <QTime>
#include <algorithm>
#include <iostream>

#include "accessibility/panel_description.h"
#include "bell_code_dialog.h"
#include "end_dialog.h"
#include "framework/file_replace.h"
#include "framework/ini_file.h"
#include "framework/text_grid.h"
#include "frontend/dialogs.h"
#include "frontend/game_windows.h"
#include "game_state.h"
#include "panel_font.h"
#include "panel_widget.h"
#include "platform_window.h"
#include "session/window_input.h"

namespace {

QColor ToQt(kv41::Rgb c) {
    return QColor(c.Red, c.Green, c.Blue);
}

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

// Texts from the core use CR LF for line breaks, as the message boxes expect.
QString BoxText(const std::string& text) {
    QString s = ToQt(text);
    s.remove(QChar('\r'));
    return s;
}

}  // namespace

QtPlatform::QtPlatform(PlatformWindow& window) : window_(window) {
    QObject::connect(&gameTimer_, &QTimer::timeout, [this] {
        if (Scripted) return;
        kv41::OnTimer(window_.Game());
        window_.NoteInput();
    });
}

void QtPlatform::ProcessEvents() {
    if (exiting_) throw kv41::ProgramEnd{exitCode_};
    PresentChanges();
    // The window's commands given now wait for the game's next wait.
    const bool wasAtWork = window_.AtWork();
    window_.SetAtWork(true);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    window_.SetAtWork(wasAtWork);
}

// Sleeps until something arrives (input, the game timer, a paint) or maxMs have passed.
void QtPlatform::WaitForEvents(int maxMs) {
    if (exiting_) throw kv41::ProgramEnd{exitCode_};
    // The commands held while the game was at work are its input now; the wait looks again at
    // what they did.
    if (window_.RunHeldCommands()) return;
    PresentChanges();
    if (window_.TakeInputWaiting()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(maxMs);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window_.TakeInputWaiting();
}

void QtPlatform::Sleep(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

int QtPlatform::TimeOfDayMs() {
    return QTime::currentTime().msecsSinceStartOfDay();
}

uint32_t QtPlatform::ClockSeed() {
    if (SeedOverride) return *SeedOverride;
    return static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch() & 0xffffffff);
}

void QtPlatform::SetTimerInterval(int ms) {
    if (ms <= 0) {
        gameTimer_.stop();
        return;
    }
    if (TickOverrideMs > 0) ms = TickOverrideMs;
    if (!gameTimer_.isActive() || gameTimer_.interval() != ms) gameTimer_.start(ms);
}

// Returns at once: the sound plays in the background after those queued before it.
void QtPlatform::QueueWave(const std::string& fileName, int silenceAfterMs) {
    if (TraceOutput && !fileName.empty()) std::cerr << "sound: " << fileName << '\n';
    player_.Queue(fileName.empty() ? QString() : ToQt(ProgramDirectory()) + "/" + ToQt(fileName),
                  silenceAfterMs);
}

void QtPlatform::StopSounds() {
    player_.Stop();
}

// A box that stays with the main window, so that the help window (F1) can be used beside it.
int QtPlatform::RunBox(QMessageBox::Icon icon, const std::string& text,
                       QMessageBox::StandardButtons buttons, int helpContext) {
    QMessageBox box(icon, ToQt(window_.Game().GameTitle.str()), BoxText(text), buttons,
                    window_.DialogParent());
    box.setWindowModality(Qt::WindowModal);
    PresentChanges();
    // The first button answers Enter, as in the game's boxes everywhere: Yes, or OK.
    box.setDefaultButton(buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
    // The box takes the keyboard as it opens, on its default answer: Enter or Space answers it.
    QTimer::singleShot(0, &box, [&box] {
        box.activateWindow();
        if (QAbstractButton* answer = box.defaultButton()) answer->setFocus();
    });
    window_.SetBoxHelp(helpContext);
    const int answer = box.exec();
    window_.SetBoxHelp(0);
    return answer;
}

void QtPlatform::ShowBox(const std::string& text, kv41::BoxType type, int helpContext) {
    // Also for a player who started the program from a terminal, or a script that did.
    if (type == kv41::BoxType::Error) std::cerr << "kv41: " << BoxText(text).toStdString() << '\n';
    const QMessageBox::Icon icon = type == kv41::BoxType::Error     ? QMessageBox::Critical
                                   : type == kv41::BoxType::Warning ? QMessageBox::Warning
                                                                    : QMessageBox::Information;
    // A replay being watched does not stop for a box that its player dismissed long ago.
    if (Scripted) {
        Report(kv41::Output::Box, text);
        return;
    }
    RunBox(icon, text, QMessageBox::Ok, helpContext);
}

bool QtPlatform::AskYesNo(const std::string& text, int helpContext) {
    return RunBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, helpContext) ==
           QMessageBox::Yes;
}

void QtPlatform::ShowRatingDialog(const std::string& rating, const std::string& pointScore,
                                  const std::string& perCent) {
    PresentChanges();
    EndDialog dialog(
        kv41::EndWindowOf(rating, pointScore, perCent), [this] { return window_.ReviewFromEnd(); },
        window_.DialogParent());
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}

// The panel shows these already; a screen reader hears them through the message line.
void QtPlatform::Report(kv41::Output kind, const std::string& text) {
    if (TraceOutput) std::cerr << text << '\n';
    window_.Panel().Announce(
        QString::fromStdString(kv41::Announcement(window_.Game(), kind, text)));
}

std::string QtPlatform::ProgramDirectory() {
    return QCoreApplication::applicationDirPath().toStdString();
}

// Qt's own answer for the desktop, in the same folders the console uses.
kv41::StandardPlaces QtPlatform::StandardDirectories() {
    auto place = [](QStandardPaths::StandardLocation location) {
        return QStandardPaths::writableLocation(location).toStdString();
    };
    kv41::StandardPlaces places;
    places.Config = place(QStandardPaths::GenericConfigLocation) + "/kv41";
    places.Data = place(QStandardPaths::GenericDataLocation) + "/kv41";
    places.Documents = place(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(QString::fromStdString(places.Documents)).isDir()) {
        places.Documents = place(QStandardPaths::HomeLocation);
    }
    return places;
}

std::string QtPlatform::ProgramDate() {
    const QFileInfo info(QCoreApplication::applicationFilePath());
    return QLocale().toString(info.lastModified().date(), QLocale::ShortFormat).toStdString();
}

void QtPlatform::Terminate() {
    RequestExit(0);
}

void QtPlatform::RequestExit(int exitCode) {
    exiting_ = true;
    exitCode_ = exitCode;
    QCoreApplication::exit(exitCode);
}

// Without its own font the panel cannot be drawn: metrics of 0 make the game end the program.
void QtPlatform::FontMetrics(int pointSize, int& cellWidth, int& textHeight) {
    if (!PanelFontAvailable()) {
        cellWidth = textHeight = 0;
        return;
    }
    const CellFont& font = CellFontOf(pointSize);
    window_.Panel().SetPanelFontSize(pointSize);
    cellWidth = font.Cell();
    textHeight = font.Height();
}

void QtPlatform::DrawText(int x, int y, std::string_view text, kv41::Rgb fg, kv41::Rgb bg) {
    const auto& g = window_.Game();
    const int width = static_cast<int>(text.size()) * g.CellWidth;
    QPainter& painter = window_.Panel().Canvas(QRect(x, y, width, g.CellHeight));
    painter.fillRect(x, y, width, g.CellHeight, ToQt(bg));
    DrawCells(painter, x, y, text, CellFontOf(window_.Panel().PanelFontSize()), ToQt(fg));
}

bool QtPlatform::DrawLabel(int x, int y, std::string_view text, int pointSize, kv41::Rgb colour) {
    const CellFont& font = CellFontOf(pointSize);
    const QRect area(x, y, static_cast<int>(text.size()) * font.Cell(), font.Height());
    DrawCells(window_.Panel().Canvas(area), x, y, text, font, ToQt(colour));
    return true;
}

// Each character in its own cell, whatever the font's own advance.
void QtPlatform::DrawCells(QPainter& painter, int x, int y, std::string_view text,
                           const CellFont& font, const QColor& colour) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(colour);
    font.Draw(painter, x, y, text);
}

void QtPlatform::FillRect(int x1, int y1, int x2, int y2, kv41::Rgb colour) {
    const QRect area(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    window_.Panel().Canvas(area).fillRect(area, ToQt(colour));
}

// The area a shape drawn in the box (x1,y1)-(x2,y2) with a pen of this width may touch.
QRect QtPlatform::ShapeArea(int x1, int y1, int x2, int y2, int penWidth) {
    const int margin = penWidth + 1;
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2), std::max(y1, y2)))
        .adjusted(-margin, -margin, margin, margin);
}

void QtPlatform::DrawLine(int x1, int y1, int x2, int y2, kv41::Rgb colour, int width) {
    QPainter& painter = window_.Panel().Canvas(ShapeArea(x1, y1, x2, y2, width));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(ToQt(colour), width));
    painter.drawLine(x1, y1, x2, y2);
}

void QtPlatform::DrawEllipse(int x1, int y1, int x2, int y2, kv41::Rgb pen, kv41::Rgb fill) {
    QPainter& painter = window_.Panel().Canvas(ShapeArea(x1, y1, x2, y2, 1));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(ToQt(pen));
    painter.setBrush(ToQt(fill));
    painter.drawEllipse(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
}

// A pie of the ellipse in the box (x1,y1)-(x2,y2), counter-clockwise from the radial through
// (x3,y3) to the radial through (x4,y4).
void QtPlatform::DrawPie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                         kv41::Rgb pen, kv41::Rgb fill) {
    const QRectF box(QPointF(x1, y1), QPointF(x2, y2));
    const QPointF centre = box.center();
    auto angle = [&](int x, int y) {
        return QLineF(centre, QPointF(x, y)).angle();  // degrees, counter-clockwise from 3 o'clock
    };
    const double start = angle(x3, y3);
    double span = angle(x4, y4) - start;
    if (span <= 0) span += 360.0;
    QPainter& painter = window_.Panel().Canvas(ShapeArea(x1, y1, x2, y2, 1));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(ToQt(pen));
    painter.setBrush(ToQt(fill));
    painter.drawPie(box, static_cast<int>(start * 16), static_cast<int>(span * 16));
}

void QtPlatform::Present() {
    // A font size taken from the settings or the options changes the panel's size.
    window_.LayoutForGrid();
    // Where the cells are, for a script that drives the window with real clicks (--trace).
    const auto& g = window_.Game();
    if (TraceOutput && g.CellWidth != tracedCellWidth_) {
        tracedCellWidth_ = g.CellWidth;
        std::cerr << "grid: " << g.CellWidth << ' ' << g.CellHeight << ' ' << g.StatusHeight
                  << '\n';
    }
    PresentChanges();
}

// Whatever the game has drawn goes on the screen before control passes to the event loop, so
// that a prompt, a flash or a ringing bell stands on the screen while the game waits. The
// status bar's repaints, posted, go with the first events that the loop then takes. They are
// not sent here apart from the other posted events: Qt would take those as still pending, and
// its glib event dispatcher, nested in the game's loop, would spin instead of sleeping and lose
// the wake-up of an X event, leaving a click unread until the next one came.
void QtPlatform::PresentChanges() {
    window_.Panel().PresentChanges();
    window_.ShowModel();
}

void QtPlatform::SetCaption(const std::string& caption) {
    window_.SetGameCaption(caption);
}

void QtPlatform::SetStatus(const kv41::StatusTexts& status) {
    window_.SetStatusTexts(status);
    // The trace notes each new minute of the clock, so that a watcher knows how far play is.
    const std::string minute = status.Time.substr(0, 6);
    if (TraceOutput && minute != tracedMinute_) std::cerr << "time: " << minute << '\n';
    tracedMinute_ = minute;
}

void QtPlatform::SetMenuEnabled(const std::string& item, bool enabled) {
    window_.SetMenuSwitch(item, enabled);
}

void QtPlatform::ShowInfoWindow(const kv41::InfoWindow& window) {
    window_.ShowInfo(window);
}

std::optional<std::string> QtPlatform::ChooseFile(const kv41::FileChoice& choice) {
    // "Saved positions|*.sav|All|*.*" becomes Qt's "Saved positions (*.sav);;All (*.*)".
    const QStringList parts = ToQt(choice.Filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i] + " (" + parts[i + 1] + ")";
    QString start = ToQt(choice.InitialDir);
    if (!choice.DefaultName.empty()) {
        if (!start.isEmpty()) start += "/";
        start += ToQt(choice.DefaultName) + "." + ToQt(choice.DefaultExt);
    }
    QFileDialog dialog(window_.DialogParent(), ToQt(choice.Title), start, filters.join(";;"));
    dialog.setAcceptMode(choice.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(ToQt(choice.DefaultExt));
    PresentChanges();
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<int> QtPlatform::ChooseBellCode(int box, int suggested) {
    PresentChanges();
    BellCodeDialog dialog(kv41::OpenBellList(window_.Game(), box, suggested),
                          window_.DialogParent());
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
    return dialog.Chosen();
}

// The settings file is read and written by the game's own INI access, the same as the
// console's, so that its keys keep the order the game writes them in.
std::string QtPlatform::ReadSetting(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& fallback) {
    return kv41::ReadIniValue(SettingsFilePath(file), section, key, fallback);
}

bool QtPlatform::WriteSetting(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& value) {
    return kv41::WriteIniValue(SettingsFilePath(file), section, key, value);
}

std::string QtPlatform::SettingsFilePath(const std::string& file) {
    return kv41::DirectoryOf(file).empty() ? kv41::FileInDirectory(ProgramDirectory(), file) : file;
}
