#pragma once
// "TOLA Game Options": preferences, font sizes, bell rules and block working.
#include <QDialog>
#include <functional>

#include "framework/options.h"

class QCheckBox;
class QRadioButton;
class QSlider;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Opens with the current values; the font bars run from 6 to the largest size that fits.
    OptionsDialog(const kv41::OptionValues& current, int maxFontSize,
                  std::function<void()> showHelp, QWidget* parent = nullptr);
    // What OK takes back.
    kv41::OptionValues Chosen() const;

private:
    kv41::OptionValues current_;
    QCheckBox* log_ = nullptr;
    QCheckBox* sound_ = nullptr;
    QCheckBox* wait_ = nullptr;
    QCheckBox* autoSave_ = nullptr;
    QCheckBox* autoBlock_ = nullptr;
    QCheckBox* requireAttention_ = nullptr;
    QRadioButton* brRules_ = nullptr;
    QRadioButton* wrRules_ = nullptr;
    QRadioButton* lmrRules_ = nullptr;
    QSlider* mainFont_ = nullptr;
    QSlider* infoFont_ = nullptr;
};
