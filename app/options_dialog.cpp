#include "options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "help_topic.h"

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// A vertical font-size bar with its headings, its end labels and its value beside a name.
QGroupBox* FontBar(const kv41::FontBar& bar, int value, int rows, QSlider*& slider) {
    auto* box = new QGroupBox(Text(bar.Title));
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel("Font Size"), 0, 0, 1, 3, Qt::AlignHCenter);
    slider = new QSlider(Qt::Vertical);
    slider->setRange(bar.Smallest, bar.Largest);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksRight);
    slider->setTickInterval(1);
    // Larger sizes at the top, as a bar reads naturally.
    slider->setValue(value);
    slider->setMinimumHeight(rows * QFontMetrics(box->font()).height());
    grid->addWidget(new QLabel(QString::number(bar.Largest)), 1, 0, Qt::AlignTop);
    grid->addWidget(slider, 1, 1, 3, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QString::number(bar.Smallest)), 3, 0, Qt::AlignBottom);
    const QString name = Text(bar.ValueName);
    auto* shown = new QLabel(QString("%1  %2").arg(name).arg(slider->value()));
    grid->addWidget(shown, 4, 0, 1, 3, Qt::AlignHCenter);
    QObject::connect(slider, &QSlider::valueChanged, shown, [shown, name](int size) {
        shown->setText(QString("%1  %2").arg(name).arg(size));
    });
    return box;
}

}  // namespace

OptionsDialog::OptionsDialog(const kv41::OptionsWindow& model, const kv41::OptionValues& current,
                             std::function<void()> showHelp, QWidget* parent)
    : QDialog(parent), model_(model), current_(current) {
    setWindowTitle(Text(model.Caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    SetHelpTopic(this, model.HelpTopic);

    auto checkGroup = [this, &current](const std::string& title,
                                       const std::vector<kv41::OptionCheck>& checks) {
        auto* group = new QGroupBox(Text(title));
        auto* layout = new QVBoxLayout(group);
        for (const kv41::OptionCheck& check : checks) {
            auto* box = new QCheckBox(Text(check.Text));
            box->setChecked(current.*check.Field);
            box->setEnabled(check.Enabled);
            layout->addWidget(box);
            checks_.emplace_back(box, check.Field);
        }
        return group;
    };
    QGroupBox* preferences = checkGroup(model.PreferencesTitle, model.Preferences);
    static_cast<QVBoxLayout*>(preferences->layout())->addStretch();

    auto* rules = new QGroupBox(Text(model.RulesTitle));
    auto* rulesLayout = new QVBoxLayout(rules);
    rules_ = new QButtonGroup(this);
    for (std::size_t i = 0; i < model.Rules.size(); ++i) {
        auto* button = new QRadioButton(Text(model.Rules[i]));
        rules_->addButton(button, static_cast<int>(i));
        rulesLayout->addWidget(button);
    }
    rules_->button(kv41::RulesIndex(current))->setChecked(true);

    QGroupBox* block = checkGroup(model.BlockTitle, model.Block);

    auto* right = new QVBoxLayout;
    right->addWidget(rules);
    right->addWidget(block);
    right->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addWidget(preferences);
    for (const kv41::FontBar& bar : model.FontBars) {
        QSlider* slider = nullptr;
        columns->addWidget(
            FontBar(bar, kv41::FontBarValue(bar, current), model.FontBarRows, slider));
        bars_.emplace_back(slider, bar.Field);
    }
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
    for (const auto& [box, field] : checks_) chosen.*field = box->isChecked();
    for (const auto& [slider, field] : bars_) chosen.*field = slider->value();
    kv41::SetRulesIndex(chosen, rules_->checkedId());
    return chosen;
}
