#include "options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int SmallestFontSize = 6;

// A vertical font-size bar with its headings, its end labels and its value beside a name.
QGroupBox* FontBar(const QString& title, const QString& valueName, int value, int maxSize,
                   QSlider*& slider) {
    auto* box = new QGroupBox(title);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel("Font Size"), 0, 0, 1, 3, Qt::AlignHCenter);
    slider = new QSlider(Qt::Vertical);
    slider->setRange(SmallestFontSize, std::max(SmallestFontSize, maxSize));
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksRight);
    slider->setTickInterval(1);
    // Larger sizes at the top, as a bar reads naturally.
    slider->setValue(std::clamp(value, SmallestFontSize, std::max(SmallestFontSize, maxSize)));
    slider->setMinimumHeight(140);
    grid->addWidget(new QLabel(QString::number(slider->maximum())), 1, 0, Qt::AlignTop);
    grid->addWidget(slider, 1, 1, 3, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QString::number(SmallestFontSize)), 3, 0, Qt::AlignBottom);
    auto* shown = new QLabel(QString("%1  %2").arg(valueName).arg(slider->value()));
    grid->addWidget(shown, 4, 0, 1, 3, Qt::AlignHCenter);
    QObject::connect(slider, &QSlider::valueChanged, shown, [shown, valueName](int size) {
        shown->setText(QString("%1  %2").arg(valueName).arg(size));
    });
    return box;
}

QCheckBox* Check(const QString& text, bool on, QLayout* layout) {
    auto* box = new QCheckBox(text);
    box->setChecked(on);
    layout->addWidget(box);
    return box;
}

}  // namespace

OptionsDialog::OptionsDialog(const kv41::OptionValues& current, int maxFontSize,
                             std::function<void()> showHelp, QWidget* parent)
    : QDialog(parent), current_(current) {
    setWindowTitle("TOLA Game Options");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    auto* preferences = new QGroupBox("Preferences");
    auto* prefLayout = new QVBoxLayout(preferences);
    // The clock box stays hidden: nothing in the game uses it, and OK always clears it.
    log_ = Check("Score &Logging", current.ScoreLogging, prefLayout);
    sound_ = Check("&Sound", current.SoundOn, prefLayout);
    wait_ = Check("&Wait on error", current.WaitOnError, prefLayout);
    autoSave_ = Check("AutoSave", current.AutoSave, prefLayout);
    autoSave_->setEnabled(false);
    prefLayout->addStretch();

    auto* rules = new QGroupBox("Bell Rules");
    auto* rulesLayout = new QVBoxLayout(rules);
    brRules_ = new QRadioButton("BR Standard  1972");
    wrRules_ = new QRadioButton("WR 1960");
    lmrRules_ = new QRadioButton("LMR 1960");
    for (auto* button : {brRules_, wrRules_, lmrRules_}) rulesLayout->addWidget(button);
    (current.RulesLMR ? lmrRules_ : current.RulesWR ? wrRules_ : brRules_)->setChecked(true);

    auto* block = new QGroupBox("Block Working");
    auto* blockLayout = new QVBoxLayout(block);
    autoBlock_ = Check("Automatic Block Instruments", current.AutoBlockInstruments, blockLayout);
    requireAttention_ = Check("Require Call Attention", current.RequireCallAttention, blockLayout);

    auto* right = new QVBoxLayout;
    right->addWidget(rules);
    right->addWidget(block);
    right->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addWidget(preferences);
    columns->addWidget(FontBar("Main Window", "F1", current.MainFontSize, maxFontSize, mainFont_));
    columns->addWidget(FontBar("Info Windows", "F2", current.InfoFontSize, maxFontSize, infoFont_));
    columns->addLayout(right);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                         QDialogButtonBox::Help);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [showHelp] {
        if (showHelp) showHelp();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

kv41::OptionValues OptionsDialog::Chosen() const {
    kv41::OptionValues chosen = current_;
    chosen.ScoreLogging = log_->isChecked();
    chosen.SoundOn = sound_->isChecked();
    chosen.WaitOnError = wait_->isChecked();
    chosen.AutoSave = autoSave_->isChecked();
    chosen.AutoBlockInstruments = autoBlock_->isChecked();
    chosen.RequireCallAttention = requireAttention_->isChecked();
    chosen.RulesWR = wrRules_->isChecked();
    chosen.RulesLMR = lmrRules_->isChecked();
    chosen.MainFontSize = mainFont_->value();
    chosen.InfoFontSize = infoFont_->value();
    return chosen;
}
