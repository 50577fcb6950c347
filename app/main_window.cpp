#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <iostream>

#include "debrief/interrupted_shift.h"
#include "framework/file_replace.h"
#include "framework/program_files.h"
#include "framework/text_grid.h"
#include "framework/window_places.h"
#include "frontend/dialogs.h"
#include "frontend/game_windows.h"
#include "frontend/help_topics.h"
#include "frontend/menus.h"
#include "frontend/screen_fit.h"
#include "help_topic.h"
#include "help_window.h"
#include "info_window_dialog.h"
#include "new_game_dialog.h"
#include "options_dialog.h"
#include "panel/key_map.h"
#include "panel/panel_drawing.h"
#include "panel_accessible.h"
#include "panel_font.h"
#include "review_window.h"
#include "session/main_loop.h"
#include "session/new_game.h"
#include "session/position_file.h"
#include "session/window_input.h"
#include "status_bar.h"
#include "windows/info_windows.h"

namespace {

// A frame not yet known is taken as this caption and border.
constexpr int EstimatedCaption = 30;
constexpr int EstimatedBorder = 4;
// How long after the game sized the window a resize is taken as the window manager's late news.
constexpr qint64 StaleResizeMs = 1000;
// The start screen's buttons.
constexpr int ButtonSpacing = 40;
constexpr int ButtonFontGrowth = 3;
constexpr QSize ButtonSize(220, 48);

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QColor ToQt(kv41::Rgb c) {
    return QColor(c.Red, c.Green, c.Blue);
}

kv41::Rect ToCore(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

kv41::CellSize MeasurePanelCell(int pointSize) {
    const QFontMetrics metrics(PanelFont(pointSize));
    return {metrics.horizontalAdvance('W'), metrics.height() + 1};
}

}  // namespace

MainWindow::MainWindow() : game_(std::make_unique<kv41::GameState>()) {
    // Before any widget exists: the panel's accessible interface is made as it is created.
    InstallPanelAccessibility();
    setWindowTitle("Getting ready");
    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette black = central->palette();
    black.setColor(QPalette::Window, Qt::black);
    central->setPalette(black);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    using kv41::WindowCommand;
    statusBar_ = new StatusBar([this] { Give({WindowCommand::Slower}); },
                               [this] { Give({WindowCommand::Faster}); },
                               [this] { Give({WindowCommand::Fast}); });
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

void MainWindow::Give(const kv41::Command& command) {
    Guarded([&] { commands_.Give(*game_, command, *this); });
    NoteInput();
    ShowModel();
}

bool MainWindow::RunHeldCommands() {
    bool ran = false;
    Guarded([&] { ran = commands_.RunHeld(*game_, *this); });
    if (fitDue_) {
        fitDue_ = false;
        FitPanelToWindow();
        ran = true;
    }
    if (ran) NoteInput();
    return ran;
}

bool MainWindow::TakeInputWaiting() {
    const bool waiting = inputWaiting_;
    inputWaiting_ = false;
    return waiting;
}

void MainWindow::BuildStartScreen() {
    const kv41::StartScreenLayout layout = kv41::StartScreenOf();
    startButtons_ = new QWidget(panel_);
    auto* row = new QHBoxLayout(startButtons_);
    row->setSpacing(ButtonSpacing);
    std::vector<QPushButton*> buttons;
    for (const std::string& text : layout.Buttons) {
        auto* button = new QPushButton(Text(text));
        QFont font = button->font();
        font.setPointSize(font.pointSize() + ButtonFontGrowth);
        button->setFont(font);
        button->setMinimumSize(ButtonSize);
        row->addWidget(button);
        buttons.push_back(button);
    }
    buttons.front()->setDefault(true);
    // The start screen is worked from the keyboard too: Enter starts a new game, Tab reaches
    // the other button.
    startButtons_->setFocusProxy(buttons.front());
    connect(buttons[0], &QPushButton::clicked, this, [this] { NewClick(); });
    connect(buttons[1], &QPushButton::clicked, this, [this] { ResumeClick(); });
}

void MainWindow::BuildMenus() {
    for (const kv41::MenuBarEntry& entry : kv41::MainMenu(*game_, menuSwitches_)) {
        if (entry.Items.empty()) {
            QAction* action = menuBar()->addAction(Text(entry.Title));
            actions_[entry.Command] = action;
            connect(action, &QAction::triggered, this, [this, c = entry.Command] { Give({c}); });
            continue;
        }
        QMenu* menu = menuBar()->addMenu(Text(entry.Title));
        for (const kv41::MenuItem& item : entry.Items) {
            if (item.Command == kv41::WindowCommand::None) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(Text(item.Text));
            action->setCheckable(item.Checkable);
            if (item.Shortcut != 0)
                action->setShortcut(QKeySequence(QString(QChar(item.Shortcut))));
            actions_[item.Command] = action;
            connect(action, &QAction::triggered, this, [this, c = item.Command] { Give({c}); });
        }
    }
    ShowModel();
}

// The menus and the caption as the game stands: brought up to date whenever control passes to
// the event loop, where the player may look at them.
void MainWindow::ShowModel() {
    for (const kv41::MenuBarEntry& entry : kv41::MainMenu(*game_, menuSwitches_)) {
        if (entry.Items.empty()) actions_[entry.Command]->setEnabled(entry.Enabled);
        for (const kv41::MenuItem& item : entry.Items) {
            if (item.Command == kv41::WindowCommand::None) continue;
            QAction* action = actions_[item.Command];
            action->setEnabled(item.Enabled);
            if (item.Checkable) action->setChecked(item.Checked);
        }
    }
    setWindowTitle(Text(kv41::ShownCaption(caption_, game_->Paused)));
}

void MainWindow::SetStatusTexts(const kv41::StatusTexts& status) {
    statusBar_->SetTexts(status);
}

void MainWindow::SetMenuSwitch(const std::string& item, bool enabled) {
    kv41::RecordMenuSwitch(menuSwitches_, item, enabled);
    ShowModel();
}

void MainWindow::SetGameCaption(const std::string& caption) {
    caption_ = caption;
    ShowModel();
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
    dialog->ShowSnapshot(info, info.Panes, kv41::InfoWindowFontSize(*game_, info.Name));
}

QRect MainWindow::InfoWindowPlace(const QString& name, QSize frame) {
    const QSize asked = frame;
    const QMargins margins = FrameMargins();
    frame = frame.grownBy(
        QMargins(0, 0, margins.left() + margins.right(), margins.top() + margins.bottom()));
    QRect area(0, 0, 1280, 1024);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    const kv41::Rect place = kv41::InfoWindowPlace(
        *game_, name.toStdString(), ToCore(area), ToCore(frameGeometry()),
        panel_->mapToGlobal(QPoint(0, 0)).y(), {frame.width(), frame.height()});
    // Shortened by as much as the core took off the whole frame.
    return {place.Left, place.Top, asked.width(), asked.height() - (frame.height() - place.Height)};
}

std::optional<int> MainWindow::ReviewShift(const kv41::ReviewModel& model) {
    return ShowReviewWindow(
        model, [this](int topic) { ShowHelp(topic); }, this);
}

bool MainWindow::ReviewFromEnd() {
    bool back = false;
    Guarded([&] { back = kv41::ReviewAndPlayAgain(*game_, *this); });
    return back;
}

void MainWindow::ShowHelp(int topic) {
    if (!help_) {
        help_ = std::make_unique<HelpWindow>(Text(game_->Host->ProgramDirectory()) + "/" +
                                             kv41::HelpFileName);
    }
    help_->ShowTopic(topic);
}

std::optional<kv41::OptionValues> MainWindow::ChooseOptions() {
    const kv41::OptionsWindow model = kv41::OptionsWindowOf(*game_);
    OptionsDialog dialog(
        model, kv41::CurrentOptions(*game_), [this, &model] { ShowHelp(model.HelpTopic); }, this);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Chosen();
}

// A new panel font size lays the window out again; open windows take their new sizes too.
void MainWindow::OptionsTaken() {
    LayoutForGrid();
    for (auto it = infoWindows_.begin(); it != infoWindows_.end(); ++it) {
        (*it)->Restyle(kv41::InfoWindowFontSize(*game_, it.key().toStdString()));
    }
    if (!game_->SessionRunning && !game_->SessionOver) DrawStartScreen();
}

// The largest panel font for which the whole window, frame, caption and menu bar included,
// fits the screen.
void MainWindow::ComputeMaxFontSize() {
    QRect screen(0, 0, 1280, 1024);
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screen = primary->availableGeometry();
    }
    const QMargins frame = FrameMargins();
    const kv41::Margins chrome{frame.left(), frame.top() + menuBar()->sizeHint().height(),
                               frame.right(), frame.bottom()};
    const int fitted =
        kv41::LargestFittingFontSize({screen.width(), screen.height()}, chrome, MeasurePanelCell);
    game_->FontSize = fitted;
    game_->MaxFontSize = fitted;
}

// What the window manager's frame adds to the window: known once the window is framed, else
// a caption and thin borders as most window managers draw them.
QMargins MainWindow::FrameMargins() const {
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (!frame.isNull()) return frame;
    return {EstimatedBorder, EstimatedCaption + EstimatedBorder, EstimatedBorder, EstimatedBorder};
}

void MainWindow::LayOut(bool sizeWindow) {
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
        startButtons_->move((width - startButtons_->width()) / 2,
                            panelSize.height() * kv41::StartScreenOf().ButtonsTopFifths / 5);
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
        sizedFor_ = {{size().width(), size().height()}, g.FontSize};
        sizedAt_.start();
    }
    TraceLayout();
}

bool MainWindow::Enlarged() const {
    return (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
}

void MainWindow::FitPanelToWindow() {
    auto& g = *game_;
    if (laying_ || g.FirstActivation) {
        TraceLayout();
        return;
    }
    // The window manager may still report the size the window had before the game sized it
    // (it was shown at the screen's font before the player's was read): that is not the
    // player resizing it, and must not take the player's font away.
    if (!Enlarged() && sizedAt_.isValid() && sizedAt_.elapsed() < StaleResizeMs) {
        const QSize ours(sizedFor_.Window.Width, sizedFor_.Window.Height);
        if (size() != ours) {
            laying_ = true;
            resize(ours);
            laying_ = false;
        }
        TraceLayout();
        return;
    }
    const QSize room = centralWidget()->size();
    const int fitted =
        kv41::FontForResizedWindow(sizedFor_, {size().width(), size().height()}, Enlarged(),
                                   {room.width(), room.height()}, MeasurePanelCell);
    if (fitted == g.FontSize) {
        TraceLayout();
        return;
    }
    g.FontSize = fitted;
    g.MaxFontSize = std::max(g.MaxFontSize, fitted);
    kv41::SetupPanelFont(g);
    g.FullRedraw = true;
    LayOut(false);
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
    if (commands_.AtWork()) {
        fitDue_ = true;
    } else {
        FitPanelToWindow();
    }
}

// For tests that drive the program from outside: where the panel's grid lies in the window.
void MainWindow::TraceLayout() {
    if (!trace_ || !isVisible()) return;
    const auto& g = *game_;
    const QPoint origin = panel_->mapTo(this, QPoint(0, -g.StatusHeight));
    std::cerr << "layout: window " << winId() << " panel " << origin.x() << ',' << origin.y()
              << " cell " << g.CellWidth << 'x' << g.CellHeight << '\n';
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    TraceLayout();
}

// Qt on X11 asks the window manager to put the frame's corner where the window is moved to.
void MainWindow::PlaceOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    placedWith_ = FrameMargins();
    const QSize frame = size().grownBy(placedWith_);
    const kv41::Rect place =
        kv41::CentredOnScreen(ToCore(screen->availableGeometry()), {frame.width(), frame.height()});
    move(place.Left, place.Top);
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
        SetGameCaption(game_->GameTitle.str());
        DrawStartScreen();
    });
}

// The start screen: the box's name over the two ways in.
void MainWindow::DrawStartScreen() {
    const auto& g = *game_;
    const kv41::StartScreenLayout layout = kv41::StartScreenOf();
    QImage& image = panel_->Image();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int width = image.width();
    const int top = g.StatusHeight + g.CellHeight * layout.TitleRow;
    QFont title("serif");
    title.setPointSize(g.FontSize * 2);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(ToQt(layout.TitleColour));
    const int titleHeight = QFontMetrics(title).height();
    painter.drawText(QRect(0, top, width, titleHeight), Qt::AlignHCenter, Text(layout.Title));
    painter.setFont(PanelFont(g.FontSize + 2));
    painter.setPen(ToQt(layout.LinesColour));
    const int linesTop = top + titleHeight + g.CellHeight * layout.LinesGapRows;
    for (std::size_t i = 0; i < layout.Lines.size(); ++i) {
        const int lineTop =
            linesTop + static_cast<int>(i) * g.CellHeight * layout.LinePitchHalves / 2;
        painter.drawText(QRect(0, lineTop, width, g.CellHeight * 2), Qt::AlignHCenter,
                         Text(layout.Lines[i]));
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
    NewGameDialog dialog(kv41::OpenNewGameWindow(*game_), this);
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
        Give(kv41::Command::Typed(key));
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// F1 opens the help topic of the window that has the keyboard: its own topic, else that of a
// message box being shown, else the game's topic of the moment.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        ShowHelp(
            kv41::HelpTopicInForce(*game_, HelpTopicOf(QApplication::activeWindow()), boxHelp_));
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
    g.Host->Terminate();
}
