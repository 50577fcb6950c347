#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <iostream>

#include "bell_code_dialog.h"
#include "debrief/interrupted_shift.h"
#include "end_dialog.h"
#include "framework/file_replace.h"
#include "framework/options.h"
#include "framework/program_files.h"
#include "framework/settings.h"
#include "framework/sounds.h"
#include "framework/text_grid.h"
#include "framework/window_places.h"
#include "frontend/window_commands.h"
#include "help_window.h"
#include "info_window_dialog.h"
#include "model/clock.h"
#include "new_game_dialog.h"
#include "options_dialog.h"
#include "panel/key_map.h"
#include "panel/panel_drawing.h"
#include "panel_accessible.h"
#include "panel_font.h"
#include "qt_platform.h"
#include "replay/program_version.h"
#include "review_window.h"
#include "session/main_loop.h"
#include "session/new_game.h"
#include "session/position_file.h"
#include "session/window_input.h"
#include "signalman/auto_play.h"
#include "status_bar.h"
#include "windows/info_windows.h"

namespace {

constexpr int SmallestFontSize = 6;
constexpr int LargestFontSize = 96;
// Rows of the grid plus room for the caption, menu and status bar.
// A frame not yet known is taken as this caption and border.
constexpr int EstimatedCaption = 30;
constexpr int EstimatedBorder = 4;
constexpr int IntroductionTopic = 100;
constexpr int PenaltiesTopic = 610;
constexpr int BonusesTopic = 620;
constexpr int OptionsTopic = 710;
constexpr int BellListTopic = 425;
constexpr int NewGameTopic = 110;
constexpr int RatingTopic = 630;

constexpr const char* HelpTopicProperty = "helpTopic";

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

MainWindow::MainWindow() : game_(std::make_unique<kv41::GameState>()) {
    // Before any widget exists: the panel's accessible interface is made as it is created.
    InstallPanelAccessibility();
    host_ = std::make_unique<QtPlatform>(*this);
    game_->Host = host_.get();
    setWindowTitle("Getting ready");
    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette black = central->palette();
    black.setColor(QPalette::Window, Qt::black);
    central->setPalette(black);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    statusBar_ = new StatusBar([this] { host_->AtNextWait([this] { TypeKey('-'); }); },
                               [this] { host_->AtNextWait([this] { TypeKey('+'); }); },
                               [this] {
                                   host_->AtNextWait([this] {
                                       // Fast running belongs to a session; on the start
                                       // screen there is nothing to hurry.
                                       if (!game_->SessionRunning) return;
                                       kv41::FastClick(*game_);
                                       NoteInput();
                                   });
                               });
    layout->addWidget(statusBar_);
    panel_ = new PanelWidget(*game_, central);
    panel_->SetPanelFontSize(game_->FontSize);
    connect(panel_, &PanelWidget::InputArrived, this, [this] { NoteInput(); });
    layout->addWidget(panel_);
    // The board keeps the panel's size and stands in the middle of whatever room the window
    // gives it: maximised, full screen or resized by the player.
    board_ = central;
    auto* room = new QWidget(this);
    room->setAutoFillBackground(true);
    room->setPalette(black);
    auto* centring = new QGridLayout(room);
    centring->setContentsMargins(0, 0, 0, 0);
    centring->setSizeConstraint(QLayout::SetNoConstraint);
    centring->addWidget(board_, 0, 0, Qt::AlignCenter);
    setCentralWidget(room);
    BuildStartScreen();
    BuildMenus();
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    game_->Host = nullptr;
}

template <typename F>
void MainWindow::Guarded(F&& operation) {
    try {
        operation();
    } catch (const kv41::ProgramEnd& end) {
        QCoreApplication::exit(end.ExitCode);
    }
}

void MainWindow::BuildStartScreen() {
    startButtons_ = new QWidget(panel_);
    auto* row = new QHBoxLayout(startButtons_);
    row->setSpacing(40);
    auto* newButton = new QPushButton("Start New Game");
    auto* resumeButton = new QPushButton("Resume Saved Game");
    for (QPushButton* button : {newButton, resumeButton}) {
        QFont font = button->font();
        font.setPointSize(font.pointSize() + 3);
        button->setFont(font);
        button->setMinimumSize(220, 48);
        row->addWidget(button);
    }
    newButton->setDefault(true);
    // The start screen is worked from the keyboard too: Enter starts a new game, Tab reaches
    // the other button.
    startButtons_->setFocusProxy(newButton);
    connect(newButton, &QPushButton::clicked, this, [this] { NewClick(); });
    connect(resumeButton, &QPushButton::clicked, this, [this] { ResumeClick(); });
}

// The review window and the help it opens, as the core's review command asks for them.
class MainWindow::ReviewWindows : public kv41::FrontEndWindows {
public:
    explicit ReviewWindows(MainWindow& window) : window_(window) {}
    std::optional<kv41::OptionValues> ChooseOptions() override { return std::nullopt; }
    void OptionsTaken() override {}
    void OpenHelp(int topic) override { window_.ShowHelp(topic); }
    std::optional<int> ReviewShift(const kv41::ReviewModel& model) override {
        return ShowReviewWindow(
            model, [this](int topic) { window_.ShowHelp(topic); }, &window_);
    }

private:
    MainWindow& window_;
};

void MainWindow::BuildMenus() {
    auto add = [this](QMenu* menu, const QString& key, auto slot) {
        QAction* action = menu ? menu->addAction(key) : menuBar()->addAction(key);
        actions_[key] = action;
        connect(action, &QAction::triggered, this,
                [this, slot] { host_->AtNextWait([this, slot] { Guarded(slot); }); });
        return action;
    };
    QMenu* gameMenu = menuBar()->addMenu("&Game");
    add(gameMenu, "&Save", [this] { kv41::SaveGame(*game_); });
    add(gameMenu, "Save &As", [this] { kv41::SaveGameAs(*game_); });
    QAction* pause = add(gameMenu, "&Pause", [this] {
        kv41::TogglePause(*game_);
        actions_["&Pause"]->setChecked(game_->Paused);
        ShowCaption();
        NoteInput();
    });
    pause->setCheckable(true);
    add(gameMenu, "Save Replay As...", [this] { SaveReplayAs(); });
    add(gameMenu, "Restart", [this] {
        if (!game_->Paused) kv41::RestartGame(*game_);
    });
    gameMenu->addSeparator();
    // The automatic signalman works the box at the chosen speed until switched off here or
    // until the player clicks on the panel; the hint shows his next move on the message line.
    QAction* automatic = add(gameMenu, "A&utomatic signalman", [this] {
        kv41::SetAutoSignalman(*game_, !game_->AutoSignalman);
        NoteInput();
    });
    automatic->setCheckable(true);
    QAction* hint = add(gameMenu, "&Hint", [this] {
        if (game_->SessionRunning) kv41::ShowSignalmanHint(*game_);
    });
    hint->setShortcut(QKeySequence(Qt::Key_N));
    add(gameMenu, kv41::ReviewWindow::MenuItem, [this] {
        ReviewWindows windows(*this);
        kv41::ReviewAndPlayAgain(*game_, windows);
    });
    gameMenu->addSeparator();
    add(gameMenu, "Quit", [this] {
        kv41::RequestQuit(*game_);
        NoteInput();
    });
    add(nullptr, "&Options", [this] { OptionsClick(); });
    QMenu* help = menuBar()->addMenu("Help");
    add(help, "Introduction", [this] { ShowHelp(IntroductionTopic); });
    add(help, "Bonuses", [this] { ShowHelp(BonusesTopic); });
    add(help, "Penalties", [this] { ShowHelp(PenaltiesTopic); });
    add(help, "&Keys", [this] { ShowInfo(kv41::BuildKeyListWindow(*game_)); });
    help->addSeparator();
    add(help, "About", [this] {
        host_->ShowBox(game_->GameTitle.str() + "\r\nCompiled " + game_->ProgramDate.str() +
                           "\r\nVersion " + kv41::ProgramVersion(),
                       kv41::BoxType::Information, 0);
    });
    for (const char* item :
         {"&Save", "Save &As", "Restart", "&Options", "A&utomatic signalman", "&Hint"}) {
        actions_[item]->setEnabled(false);
    }
}

void MainWindow::SetStatusTexts(const kv41::StatusTexts& status) {
    statusBar_->SetTexts(status);
    actions_["A&utomatic signalman"]->setChecked(!status.Signalman.empty());
}

void MainWindow::SetMenuItemEnabled(const QString& item, bool enabled) {
    if (auto it = actions_.find(item); it != actions_.end()) (*it)->setEnabled(enabled);
    if (item == "&Pause") actions_["&Pause"]->setChecked(game_->Paused);
}

void MainWindow::SetGameCaption(const QString& caption) {
    caption_ = caption;
    ShowCaption();
}

// A paused game says so in the caption, where the player looks when nothing moves.
void MainWindow::ShowCaption() {
    setWindowTitle(game_->Paused ? caption_ + "     (Paused)" : caption_);
}

void MainWindow::ShowInfo(const kv41::InfoWindow& info) {
    const QString key = Text(info.Name);
    InfoWindowDialog*& dialog = infoWindows_[key];
    if (!dialog) {
        dialog = new InfoWindowDialog(this);
        dialog->PlaceFor = [this](const QString& name, QSize frame) {
            return InfoWindowPlace(name, frame);
        };
        dialog->LeftAt = [this](const QString& name, QPoint frame) {
            kv41::RememberWindowPlace(*game_, name.toStdString(), frame.x(), frame.y());
        };
    }
    SetHelpTopic(dialog, info.HelpContext);
    // The messages window follows the panel's size, the others their own size.
    const int size = key == "messages" ? game_->FontSize : game_->InfoFontSize;
    dialog->ShowSnapshot(info, info.Panes, size);
}

// Where the player left the window, else where it hides least of the panel: the core decides.
QPoint MainWindow::InfoWindowPlace(const QString& name, QSize frame) {
    const QMargins margins = FrameMargins();
    frame = frame.grownBy(
        QMargins(0, 0, margins.left() + margins.right(), margins.top() + margins.bottom()));
    QRect area(0, 0, 1280, 1024);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    const kv41::ScreenBox screen{area.x(), area.y(), area.width(), area.height()};
    const std::string key = name.toStdString();
    if (auto place =
            kv41::RememberedWindowPlace(*game_, key, screen, frame.width(), frame.height()))
        return {place->Left, place->Top};
    const QRect main = frameGeometry();
    const int clear = panel_->mapToGlobal(QPoint(0, 22 * game_->CellHeight)).y();
    const kv41::ScreenBox box =
        kv41::PlaceInfoWindow(screen, {main.x(), main.y(), main.width(), main.height()},
                              frame.width(), frame.height(), kv41::InfoWindowOrder(key), clear);
    return {box.Left, box.Top};
}

std::optional<int> MainWindow::ChooseBellCode(int suggested, const QString& caption) {
    game_->HelpContext = BellListTopic;
    BellCodeDialog dialog(game_->FontSize, suggested, this);
    dialog.setWindowTitle(caption);
    SetHelpTopic(&dialog, BellListTopic);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
    return dialog.Chosen();
}

void MainWindow::ShowRating(const QString& rating, const QString& pointScore,
                            const QString& perCent) {
    EndDialog dialog(
        rating, pointScore, perCent,
        [this] {
            ReviewWindows windows(*this);
            return kv41::ReviewAndPlayAgain(*game_, windows);
        },
        this);
    SetHelpTopic(&dialog, RatingTopic);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}

void MainWindow::ShowHelp(int topic) {
    if (!help_) {
        help_ = std::make_unique<HelpWindow>(Text(host_->ProgramDirectory()) + "/" +
                                             kv41::HelpFileName);
    }
    help_->ShowTopic(topic);
}

void MainWindow::OptionsClick() {
    auto& g = *game_;
    // Another modal step is under way: the window would nest inside it.
    if (g.InputBlocked) {
        kv41::PlayNotifySound(g);
        return;
    }
    g.InputBlocked = true;
    const int helpBefore = g.HelpContext;
    g.HelpContext = OptionsTopic;
    // Before a session the options are those of the settings file, and go back into it, where
    // the session will find them.
    const bool beforeSession = !g.SessionRunning && !g.SessionOver;
    if (beforeSession) kv41::LoadSettings(g);
    OptionsDialog dialog(
        kv41::CurrentOptions(g), g.MaxFontSize, [this] { ShowHelp(OptionsTopic); }, this);
    SetHelpTopic(&dialog, OptionsTopic);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() == QDialog::Accepted) {
        ApplyChosenOptions(dialog.Chosen());
        if (beforeSession) {
            kv41::StoreSettings(g);
            DrawStartScreen();
        }
    }
    g.HelpContext = helpBefore;
    g.InputBlocked = false;
}

void MainWindow::ApplyChosenOptions(const kv41::OptionValues& chosen) {
    auto& g = *game_;
    kv41::ApplyOptions(g, chosen);
    // A new panel font size lays the window out again and repaints it at once; open windows
    // take their new sizes too.
    LayoutForGrid();
    if (g.SessionRunning && g.PaintEnabled) kv41::PaintWindow(g);
    for (auto it = infoWindows_.begin(); it != infoWindows_.end(); ++it) {
        (*it)->Restyle(it.key() == "messages" ? g.FontSize : g.InfoFontSize);
    }
}

// The largest panel font for which the whole window, frame, caption and menu bar included,
// fits the screen.
void MainWindow::ComputeMaxFontSize() {
    auto& g = *game_;
    QRect screen(0, 0, 1280, 1024);
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screen = primary->availableGeometry();
    }
    const QMargins frame = FrameMargins();
    const int chromeHeight = menuBar()->sizeHint().height() + frame.top() + frame.bottom();
    int fitted = SmallestFontSize;
    for (int size = SmallestFontSize; size <= LargestFontSize; ++size) {
        const QFontMetrics metrics(PanelFont(size));
        const int w = metrics.horizontalAdvance('W');
        const int h = metrics.height() + 1;
        // The grid's rows, the status bar's two and the panel's margin of 5 pixels.
        const int height = h * (kv41::GridRows + 2) + 5 + chromeHeight;
        const int width = w * kv41::GridColumns + 5 + frame.left() + frame.right();
        if (screen.height() < height || screen.width() < width) break;
        fitted = size;
    }
    g.FontSize = fitted;
    g.MaxFontSize = fitted;
}

// What the window manager's frame adds to the window: known once the window is framed, else
// a caption and thin borders as most window managers draw them.
QMargins MainWindow::FrameMargins() const {
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (!frame.isNull()) return frame;
    return {EstimatedBorder, EstimatedCaption + EstimatedBorder, EstimatedBorder, EstimatedBorder};
}

void MainWindow::LayoutForGrid(bool sizeWindow) {
    const auto& g = *game_;
    const int width = kv41::PanelWidth(g);
    const int height = kv41::PanelHeight(g);
    const QSize panelSize(width, height - g.StatusHeight);
    if (panel_->Image().size() == QSize(width, height) && panel_->size() == panelSize &&
        statusBar_->height() == g.StatusHeight) {
        return;
    }
    panel_->ResizeImage(width, height);
    statusBar_->Layout(g.FontSize, g.CellWidth, g.CellHeight, width);
    if (!startButtons_->isHidden()) {
        startButtons_->adjustSize();
        startButtons_->move((width - startButtons_->width()) / 2, panelSize.height() * 3 / 5);
    }
    board_->setFixedSize(width, height);
    // The board stands in the middle of the room at once, so that the layout traced is where
    // it is drawn.
    centralWidget()->layout()->activate();
    if (sizeWindow && !Enlarged()) {
        // The window fits the panel, centred on the screen; the player may resize it later.
        laying_ = true;
        centralWidget()->setMinimumSize(width, height);
        adjustSize();
        centralWidget()->setMinimumSize(0, 0);
        PlaceOnScreen();
        laying_ = false;
        sizedFor_ = {size(), g.FontSize};
    }
    TraceLayout();
}

bool MainWindow::Enlarged() const {
    return (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
}

int MainWindow::FontFittingWindow() const {
    const QSize room = centralWidget()->size();
    int fitted = SmallestFontSize;
    for (int size = SmallestFontSize; size <= LargestFontSize; ++size) {
        const QFontMetrics metrics(PanelFont(size));
        const int w = metrics.horizontalAdvance('W');
        const int h = metrics.height() + 1;
        if (w * kv41::GridColumns + 5 > room.width() ||
            h * (kv41::GridRows + 2) + 5 > room.height())
            break;
        fitted = size;
    }
    return fitted;
}

void MainWindow::FitPanelToWindow() {
    auto& g = *game_;
    if (laying_ || g.FirstActivation) {
        TraceLayout();
        return;
    }
    // Back at the size the window was given for its font (restored from maximised, or the
    // window manager answering that sizing late), the panel has that font again; at any other
    // size, the largest that fits.
    const bool asSized = !Enlarged() && size() == sizedFor_.first;
    const int fitted = asSized ? sizedFor_.second : FontFittingWindow();
    if (fitted == g.FontSize) {
        TraceLayout();
        return;
    }
    g.FontSize = fitted;
    g.MaxFontSize = std::max(g.MaxFontSize, fitted);
    kv41::SetupPanelFont(g);
    g.FullRedraw = true;
    LayoutForGrid(false);
    if (g.SessionRunning && g.PaintEnabled) {
        kv41::PaintWindow(g);
    } else if (!g.SessionRunning && !g.SessionOver) {
        DrawStartScreen();
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (laying_) return;
    // In the middle of the game's work the panel is drawn again at its next wait.
    host_->AtNextWait([this] { FitPanelToWindow(); });
}

// For tests that drive the program from outside: where the panel's grid lies in the window.
void MainWindow::TraceLayout() {
    if (!host_->TraceOutput || !isVisible()) return;
    const auto& g = *game_;
    const QPoint origin = panel_->mapTo(this, QPoint(0, -g.StatusHeight));
    std::cerr << "layout: window " << winId() << " panel " << origin.x() << ',' << origin.y()
              << " cell " << g.CellWidth << 'x' << g.CellHeight << '\n';
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    TraceLayout();
}

// Centred on the screen by its frame, caption included, and wholly on it when it fits. Qt on
// X11 asks the window manager to put the frame's corner where the window is moved to.
void MainWindow::PlaceOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    placedWith_ = FrameMargins();
    QRect frame(QPoint(0, 0), size().grownBy(placedWith_));
    frame.moveCenter(area.center());
    frame.moveTop(std::max(frame.top(), area.top()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    move(frame.topLeft());
}

// The window is placed before the window manager frames it, by an estimate of the frame: once
// the real frame is known, it is placed again by that.
void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (windowHandle() && !windowHandle()->frameMargins().isNull() &&
        windowHandle()->frameMargins() != placedWith_ && !Enlarged()) {
        PlaceOnScreen();
    }
}

void MainWindow::PrepareStart() {
    // The first activation: from now on closing the window is a question during a session.
    game_->FirstActivation = false;
    ComputeMaxFontSize();
    Guarded([this] {
        kv41::PrepareStartScreen(*game_);
        // Every session is recorded beside the autosave, the file rewritten as it starts.
        recorder_ = std::make_unique<kv41::ReplayRecorder>(kv41::RunningReplayFile(*game_));
        game_->Recorder = recorder_.get();
        LayoutForGrid();
        SetGameCaption(Text(game_->GameTitle.str()));
        DrawStartScreen();
    });
}

// The start screen: the box's name over the two ways in.
void MainWindow::DrawStartScreen() {
    const auto& g = *game_;
    QImage& image = panel_->Image();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int width = image.width();
    const int top = g.StatusHeight + g.CellHeight * 6;
    QFont title("serif");
    title.setPointSize(g.FontSize * 2);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(255, 255, 128));
    const int titleHeight = QFontMetrics(title).height();
    painter.drawText(QRect(0, top, width, titleHeight), Qt::AlignHCenter, "Tarrock Junction");
    QFont sub = PanelFont(g.FontSize + 2);
    painter.setFont(sub);
    painter.setPen(QColor(192, 192, 192));
    const int subTop = top + titleHeight + g.CellHeight;
    const QStringList lines = {
        "Signal Box  -  Summer 1954",
        "",
        "Work the levers, the bells and the block instruments of a country junction",
        "for one shift of the weekday timetable.",
        "",
        "F1 gives help on whatever is in front of you.",
    };
    for (int i = 0; i < lines.size(); ++i) {
        painter.drawText(QRect(0, subTop + i * g.CellHeight * 3 / 2, width, g.CellHeight * 2),
                         Qt::AlignHCenter, lines[i]);
    }
    painter.end();
    panel_->update();
    startButtons_->setFocus();
}

void MainWindow::HideStartScreen() {
    startButtons_->hide();
    // The title goes: from now on the panel shows only what the game draws.
    panel_->Image().fill(Qt::black);
    panel_->update();
    panel_->setFocus();
}

void MainWindow::StartGame(int shiftIndex, int difficultyIndex) {
    HideStartScreen();
    // Started from the command line: no offer of the timetable file.
    Guarded([&] {
        kv41::SetUpNewGame(*game_, shiftIndex, difficultyIndex);
        kv41::RunSession(*game_);
    });
}

void MainWindow::NewClick() {
    game_->HelpContext = NewGameTopic;
    NewGameDialog dialog(this);
    SetHelpTopic(&dialog, NewGameTopic);
    dialog.setWindowModality(Qt::WindowModal);
    // Cancel, Esc or the close button: back to the start screen, nothing started.
    if (dialog.exec() != QDialog::Accepted) return;
    HideStartScreen();
    Guarded([&] { kv41::StartNewGame(*game_, dialog.ShiftIndex(), dialog.DifficultyIndex()); });
}

// The last session's running replay has no end: the program was killed during the shift. The
// player is asked whether to go on with it from where its record stops.
void MainWindow::OfferInterruptedShift() {
    Guarded([this] {
        if (!kv41::HoldsInterruptedShift(kv41::RunningReplayFile(*game_))) return;
        const kv41::InterruptedShiftResult result =
            kv41::OfferInterruptedShift(*game_, kv41::RunningReplayFile(*game_));
        if (!result.Continued) return;
        HideStartScreen();
        kv41::ContinueSession(*game_);
    });
}

// The start screen stays as it was until a position has been loaded: a cancelled or failed
// load leaves it to the player again.
void MainWindow::ResumeGame(const std::string& file) {
    game_->Inputs.Files.clear();
    game_->Inputs.Files.emplace_back(file);
    ResumeClick();
}

// A copy of the session's replay so far, its state of now as its end.
void MainWindow::SaveReplayAs() {
    if (!recorder_ || (!game_->SessionRunning && !game_->SessionOver)) return;
    const QString start = Text(kv41::FileInDirectory(game_->DocumentsDirectory, "KV41.kv41"));
    const QString file =
        QFileDialog::getSaveFileName(this, "Save replay", start, "Replays (*.kv41);;All (*)");
    if (file.isEmpty()) return;
    if (!recorder_->SaveCopy(*game_, file.toStdString())) {
        host_->ShowBox("Unable to write file - disk may be full or write-protected",
                       kv41::BoxType::Error, 0);
    }
}

void MainWindow::ResumeClick() {
    Guarded([this] {
        if (!kv41::LoadPositionDialog(*game_)) return;
        HideStartScreen();
        kv41::RunSession(*game_);
    });
}

bool MainWindow::PanelDrawn() const {
    // Only the game's own drawing counts, not the start screen's title.
    if (!game_->SessionRunning && !game_->SessionOver) return false;
    const QImage& image = panel_->Image();
    const QRgb black = qRgb(0, 0, 0);
    for (int y = game_->StatusHeight; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & 0xffffff) != (black & 0xffffff)) return true;
        }
    }
    return false;
}

// The game's own code for a key: the key map of the core says what it does.
static int GameKey(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return kv41::KeyEnter;
    if (key == Qt::Key_Escape) return kv41::KeyEscape;
    if (key == Qt::Key_Backspace) return kv41::KeyBackspace;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        const int shift = event.modifiers().testFlag(Qt::ShiftModifier) ? kv41::KeyShift : 0;
        return shift + kv41::FunctionKey(key - Qt::Key_F1 + 1);
    }
    const QString text = event.text();
    if (!text.isEmpty() && text.at(0).unicode() > 32 && text.at(0).unicode() < 127) {
        return text.at(0).toLatin1();
    }
    return 0;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // A key held down is one press: a bell plunger is tapped by pressing its key again.
    const int key = event->isAutoRepeat() ? 0 : GameKey(*event);
    if (key != 0 && game_->SessionRunning) {
        host_->AtNextWait([this, key] { TypeKey(key); });
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::TypeKey(int key) {
    kv41::OnKey(*game_, key);
    NoteInput();
}

void MainWindow::SetHelpTopic(QWidget* window, int topic) {
    window->setProperty(HelpTopicProperty, topic);
}

// F1 opens the help topic of the window that has the keyboard: its own topic, else that of a
// message box being shown, else the game's topic of the moment.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        const QWidget* active = QApplication::activeWindow();
        int topic = active ? active->property(HelpTopicProperty).toInt() : 0;
        if (topic == 0) topic = boxHelp_ != 0 ? boxHelp_ : game_->HelpContext;
        ShowHelp(topic);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Closing the window during a session is the quit question; on the start screen it ends the
// program.
void MainWindow::closeEvent(QCloseEvent* event) {
    auto& g = *game_;
    if (!kv41::MayCloseWindow(g)) {
        event->ignore();
        NoteInput();
        return;
    }
    event->accept();
    // Whatever loop the game is in leaves it: the program ends with its window.
    host_->RequestExit(0);
}
