#pragma once
// The headless platform that also keeps every text drawn and every box shown, for tests of
// how messages are presented; and a working directory of its own for tests that write files.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "game_state.h"
#include "headless_platform.h"
#include "session/main_loop.h"
#include "test_support.h"

namespace kv41::testing {

class RecordingHost : public HeadlessPlatform {
public:
    using HeadlessPlatform::HeadlessPlatform;

    struct Drawn {
        int X, Y;
        std::string Text;
        Rgb Fg, Bg;
    };
    struct Boxed {
        std::string Text;
        BoxType Type;
        int HelpContext;
    };
    std::vector<Drawn> Draws;
    std::vector<Boxed> Boxes;
    int FontWidth = FontCellWidth;

    void DrawText(int x, int y, std::string_view text, Rgb fg, Rgb bg) override {
        Draws.push_back({x, y, std::string(text), fg, bg});
        HeadlessPlatform::DrawText(x, y, text, fg, bg);
    }
    void ShowBox(const std::string& text, BoxType type, int helpContext) override {
        Boxes.push_back({text, type, helpContext});
        HeadlessPlatform::ShowBox(text, type, helpContext);
    }
    void ShowMessageBox(const std::string& text, BoxType type, int helpContext) override {
        Boxes.push_back({text, type, helpContext});
    }
    void FontMetrics(int pointSize, int& cellWidth, int& textHeight) override {
        HeadlessPlatform::FontMetrics(pointSize, cellWidth, textHeight);
        cellWidth = FontWidth;
    }
};

struct RecordingGame : GameOn<RecordingHost> {
    RecordingGame() : GameOn(7) {
        host.Transcript.clear();
        host.Draws.clear();
    }
};

// Runs each test in a fresh temporary directory and puts the current directory back after.
class InTemporaryDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = std::filesystem::current_path();
        std::random_device random;
        dir_ = std::filesystem::temp_directory_path() /
               ("kv41-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(dir_);
        std::filesystem::current_path(dir_);
    }
    void TearDown() override {
        std::filesystem::current_path(saved_);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

private:
    std::filesystem::path saved_;
    std::filesystem::path dir_;
};

}  // namespace kv41::testing
