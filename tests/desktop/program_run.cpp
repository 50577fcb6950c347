#include "program_run.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>
#include <thread>

namespace desktop {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::unique_ptr<XSession> x;

namespace {

constexpr int LeverFrameRow = 25;
constexpr int MessageRow = 31;

}  // namespace

std::string RunFile(const std::string& name) {
    return testing::TempDir() + name + "_" + std::to_string(getpid());
}

std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void Keep(const Screen& screen, const std::string& name) {
    screen.SavePpm(RunFile(name) + ".ppm");
}

std::string HelpCaption(int topic) {
    const std::string page =
        FileText(std::string(KV41_HELP_DIR) + "/" + std::to_string(topic) + ".html");
    std::smatch title;
    std::regex_search(page, title, std::regex("<title>([^<]*)</title>"));
    return "Tarrock Junction Help: " + title[1].str();
}

bool Appears(const std::string& caption, std::chrono::milliseconds limit) {
    return WaitFor([&] { return x->FindWindow(caption) != 0; }, limit).has_value();
}

// Hard links where the file system allows them: the program is large.
std::string ProgramCopy(const std::vector<std::string>& leftOut) {
    static int copies = 0;
    const fs::path directory = RunFile("kv41_program_" + std::to_string(++copies));
    fs::remove_all(directory);
    fs::create_directories(directory);
    for (const auto& entry : fs::directory_iterator(fs::path(KV41_PROGRAM).parent_path())) {
        const std::string name = entry.path().filename().string();
        const bool needed = name == "kv41" || name == "TOLA.TTF" || name == "KV41.qch" ||
                            entry.path().extension() == ".wav";
        if (!needed || std::find(leftOut.begin(), leftOut.end(), name) != leftOut.end()) continue;
        std::error_code error;
        fs::create_hard_link(entry.path(), directory / name, error);
        if (error) fs::copy_file(entry.path(), directory / name);
    }
    return directory.string();
}

Game::Game(std::vector<std::string> args, const std::string& settings) : directory_(ProgramCopy()) {
    if (!settings.empty()) std::ofstream(directory_ + "/TOLA.INI") << settings;
    static int runs = 0;
    trace_ = RunFile("kv41_trace_" + std::to_string(++runs)) + ".txt";
    args.insert(args.begin(), {directory_ + "/kv41", "--trace"});
    program_.Start(args, trace_);
    started_ = WaitFor([this] { return Locate(); }, 20s).has_value();
}

Game::~Game() {
    program_.Stop();
    std::error_code error;
    fs::remove_all(directory_, error);
}

Rect Game::Client() const {
    return x->Geometry(window_);
}

std::pair<int, int> Game::Cell(int column, int row) const {
    const Rect client = Client();
    return {client.X + panelX_ + (column - 1) * cellWidth_ + cellWidth_ / 2,
            client.Y + panelY_ + (row + 1) * cellHeight_ + cellHeight_ / 2};
}

Rect Game::Row(int row) const {
    const Rect client = Client();
    return {client.X + panelX_, client.Y + panelY_ + (row + 1) * cellHeight_, 100 * cellWidth_,
            cellHeight_};
}

Rect Game::StatusBar() const {
    const Rect client = Client();
    return {client.X + panelX_, client.Y + panelY_, 100 * cellWidth_, 2 * cellHeight_};
}

void Game::Focus() const {
    const Rect bar = StatusBar();
    x->Click(bar.X + 4, bar.Y + 4);
}

void Game::ClickCell(int column, int row) const {
    const auto [px, py] = Cell(column, row);
    x->Click(px, py);
}

bool Game::PanelReady() {
    const bool ready = WaitFor(
                           [this] {
                               // The game may lay the panel out again in the player's font
                               // once it has read the settings.
                               Locate();
                               const Screen s = x->Grab();
                               return s.Lit(Row(LeverFrameRow)) > 0 && s.Lit(Row(MessageRow)) == 0;
                           },
                           30s)
                           .has_value();
    if (!ready) {
        const Screen s = x->Grab();
        Keep(s, "desktop_panel_not_ready");
        const Rect r = Row(LeverFrameRow);
        std::cout << "panel not ready: screen " << s.Width << "x" << s.Height << ", lever row at "
                  << r.X << "," << r.Y << " " << r.Width << "x" << r.Height << " lit " << s.Lit(r)
                  << ", message line lit " << s.Lit(Row(MessageRow)) << "\n";
    }
    return ready;
}

bool Game::Locate() {
    const std::string text = Trace();
    const auto at = text.rfind("layout: window ");
    if (at == std::string::npos) return false;
    std::istringstream line(text.substr(at + 15));
    char sep = 0;
    std::string word;
    line >> window_ >> word >> panelX_ >> sep >> panelY_ >> word >> cellWidth_ >> sep >>
        cellHeight_;
    if (window_ == 0 || x->Geometry(window_).Width == 0) return false;
    // Settled when two readings agree.
    const Rect first = x->Geometry(window_);
    std::this_thread::sleep_for(200ms);
    const Rect second = x->Geometry(window_);
    return first.X == second.X && first.Y == second.Y && first.Width == second.Width;
}

}  // namespace desktop
