#pragma once
// "TOLA Game Options": preferences, font sizes, bell rules and block working.
#include <QDialog>
#include <functional>
#include <vector>

#include "frontend/game_windows.h"

class QButtonGroup;
class QCheckBox;
class QSlider;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Opens with the current values.
    OptionsDialog(const kv41::OptionsWindow& model, const kv41::OptionValues& current,
                  std::function<void()> showHelp, QWidget* parent = nullptr);
    // What OK takes back.
    kv41::OptionValues Chosen() const;

private:
    kv41::OptionsWindow model_;
    kv41::OptionValues current_;
    std::vector<std::pair<QCheckBox*, bool kv41::OptionValues::*>> checks_;
    std::vector<std::pair<QSlider*, int kv41::OptionValues::*>> bars_;
    QButtonGroup* rules_ = nullptr;
};
