#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include "framework/framework_state.h"
#include "model/clock.h"
#include "new_game_dialog.h"
#include "platform/platform.h"
#include "qt_platform.h"
#include "session/main_loop.h"
#include "session/new_game.h"
#include "session/position_file.h"
#include "session/window_input.h"

MainWindow::MainWindow() : game_(std::make_unique<kv41::GameState>()) {
    host_ = std::make_unique<QtPlatform>(*this);
    game_->Host = host_.get();
    setWindowTitle("Getting ready");
    auto* central = new QWidget(this);
    central->setStyleSheet("background: black;");
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildStatusBar();
    layout->addWidget(statusBar_);
    panel_ = new PanelWidget(*game_, central);
    QFont font("DejaVu Sans Mono");
    font.setStyleHint(QFont::TypeWriter);
    panel_->SetPanelFont(font);
    connect(panel_, &PanelWidget::InputArrived, this, [this] { NoteInput(); });
    layout->addWidget(panel_);

    auto* start = new QWidget(panel_);
    auto* startLayout = new QHBoxLayout(start);
    newButton_ = new QPushButton("Start New Game");
    resumeButton_ = new QPushButton("Resume Saved Game");
    for (auto* b : {newButton_, resumeButton_}) {
        b->setStyleSheet("background: #c0c0c0; color: black; padding: 8px 16px;");
        startLayout->addWidget(b);
    }
    start->move(40, 40);
    connect(newButton_, &QPushButton::clicked, this, &MainWindow::NewClick);
    connect(resumeButton_, &QPushButton::clicked, this, &MainWindow::ResumeClick);
    setCentralWidget(central);
    BuildMenus();
}

MainWindow::~MainWindow() {
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

void MainWindow::BuildStatusBar() {
    statusBar_ = new QWidget;
    statusBar_->setStyleSheet("background: #c0c0c0; color: black;");
    auto* bar = new QHBoxLayout(statusBar_);
    bar->setContentsMargins(6, 2, 6, 2);
    pointsCaption_ = new QLabel("Points gained:");
    pointsValue_ = new QLabel("0");
    speedCaption_ = new QLabel("Speed");
    slower_ = new QPushButton(" - ");
    speedValue_ = new QLabel("100%");
    faster_ = new QPushButton("+");
    fast_ = new QPushButton("Fast");
    timeCaption_ = new QLabel("Time is");
    timeValue_ = new QLabel("08.00");
    QFont fixed("DejaVu Sans Mono");
    fixed.setStyleHint(QFont::TypeWriter);
    timeValue_->setFont(fixed);
    pointsValue_->setFont(fixed);
    bar->addWidget(pointsCaption_);
    bar->addWidget(pointsValue_);
    bar->addStretch();
    bar->addWidget(slower_);
    bar->addWidget(speedCaption_);
    bar->addWidget(speedValue_);
    bar->addWidget(faster_);
    bar->addWidget(fast_);
    bar->addStretch();
    bar->addWidget(timeCaption_);
    bar->addWidget(timeValue_);
    for (auto* b : {slower_, faster_, fast_}) b->setFocusPolicy(Qt::NoFocus);
    connect(slower_, &QPushButton::clicked, this, [this] {
        kv41::OnKeyPress(*game_, '-');
        NoteInput();
    });
    connect(faster_, &QPushButton::clicked, this, [this] {
        kv41::OnKeyPress(*game_, '+');
        NoteInput();
    });
    connect(fast_, &QPushButton::clicked, this, [this] {
        kv41::FastClick(*game_);
        NoteInput();
    });
}

void MainWindow::BuildMenus() {
    auto add = [this](QMenu* menu, const QString& key, const QString& text, auto slot) {
        QAction* action = menu ? menu->addAction(text) : menuBar()->addAction(text);
        actions_[key] = action;
        connect(action, &QAction::triggered, this, [this, slot] { Guarded(slot); });
        return action;
    };
    QMenu* gameMenu = menuBar()->addMenu("&Game");
    add(gameMenu, "&Save", "&Save", [this] { kv41::SaveGame(*game_); });
    add(gameMenu, "Save &As", "Save &As", [this] { kv41::SaveGameAs(*game_); });
    QAction* pause = add(gameMenu, "&Pause", "&Pause", [this] { kv41::TogglePause(*game_); });
    pause->setCheckable(true);
    add(gameMenu, "Restart", "Restart", [this] { kv41::RestartGame(*game_); });
    add(gameMenu, "Quit", "Quit", [this] {
        kv41::RequestQuit(*game_);
        NoteInput();
    });
    add(nullptr, "&Options", "&Options", [] {});
    QMenu* help = menuBar()->addMenu("Help");
    add(help, "About", "About", [this] {
        host_->ShowBox(game_->GameTitle.str() + "\r\nCompiled " + game_->ProgramDate.str(),
                       kv41::BoxType::Information, 0);
    });
    for (const char* item : {"&Save", "Save &As", "Restart", "&Options"}) {
        actions_[item]->setEnabled(false);
    }
}

void MainWindow::SetStatusTexts(const kv41::StatusTexts& status) {
    timeValue_->setText(QString::fromStdString(status.Time));
    speedValue_->setText(QString::fromStdString(status.Speed));
    fast_->setText(QString::fromStdString(status.Fast));
    pointsCaption_->setText(QString::fromStdString(status.PointsCaption));
    pointsValue_->setText(QString::fromStdString(status.PointsValue));
}

void MainWindow::SetMenuItemEnabled(const QString& item, bool enabled) {
    if (auto it = actions_.find(item); it != actions_.end()) (*it)->setEnabled(enabled);
    if (item == "&Pause") actions_["&Pause"]->setChecked(game_->Paused);
}

void MainWindow::ShowInfo(const kv41::InfoWindow& info) {
    const QString key = QString::fromStdString(info.Name);
    QDialog* dialog = infoWindows_.value(key);
    if (!dialog) {
        dialog = new QDialog(this);
        dialog->setLayout(new QVBoxLayout);
        infoWindows_[key] = dialog;
    }
    QLayout* layout = dialog->layout();
    while (QLayoutItem* item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    QFont fixed("DejaVu Sans Mono");
    fixed.setStyleHint(QFont::TypeWriter);
    for (const auto& head : info.Heads) {
        auto* label = new QLabel(QString::fromStdString(head));
        label->setFont(fixed);
        layout->addWidget(label);
    }
    auto* lines = new QPlainTextEdit;
    lines->setReadOnly(true);
    lines->setFont(fixed);
    lines->setLineWrapMode(QPlainTextEdit::NoWrap);
    for (const auto& line : info.Lines) lines->appendPlainText(QString::fromStdString(line));
    lines->setMinimumSize(QFontMetrics(fixed).horizontalAdvance('W') * 82,
                          QFontMetrics(fixed).height() * 20);
    layout->addWidget(lines);
    dialog->setWindowTitle(QString::fromStdString(info.Caption));
    dialog->show();
    dialog->raise();
}

void MainWindow::LayoutForGrid() {
    const auto& g = *game_;
    const int width = kv41::GridColumns * g.CellWidth + 5;
    const int height = kv41::GridRows * g.CellHeight + g.StatusHeight + 5;
    panel_->ResizeImage(width, height);
    statusBar_->setFixedSize(width, g.StatusHeight);
    adjustSize();
}

void MainWindow::PrepareStart() {
    Guarded([this] {
        kv41::PrepareStartScreen(*game_);
        LayoutForGrid();
        setWindowTitle(QString::fromStdString(game_->GameTitle.str()));
    });
}

void MainWindow::StartGame(int shiftIndex, int difficultyIndex) {
    newButton_->parentWidget()->hide();
    panel_->setFocus();
    Guarded([&] { kv41::StartNewGame(*game_, shiftIndex, difficultyIndex); });
}

void MainWindow::NewClick() {
    game_->HelpContext = 110;
    NewGameDialog dialog(this);
    dialog.exec();
    StartGame(dialog.ShiftIndex(), dialog.DifficultyIndex());
}

void MainWindow::ResumeClick() {
    QWidget* start = newButton_->parentWidget();
    start->hide();
    bool resumed = false;
    Guarded([&] { resumed = kv41::ResumeSavedGame(*game_); });
    if (!resumed && game_->StartScreen) start->show();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (!text.isEmpty()) {
        kv41::OnKeyPress(*game_, text.at(0).toLatin1());
        NoteInput();
    }
    QMainWindow::keyPressEvent(event);
}

// Closing the window during a session is the quit question; on the start screen it ends the
// program.
void MainWindow::closeEvent(QCloseEvent* event) {
    auto& g = *game_;
    if (g.SessionRunning && g.InputBlocked) {
        event->ignore();
        return;
    }
    if (g.StartScreen || g.QuitConfirmed || g.SessionOver || !g.SessionRunning) {
        event->accept();
        QCoreApplication::quit();
        return;
    }
    event->ignore();
    g.EndRequested = true;
    g.AppActive = true;
    NoteInput();
}
