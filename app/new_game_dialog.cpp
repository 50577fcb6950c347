#include "new_game_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "session/new_game.h"

NewGameDialog::NewGameDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("TOLA select shift");
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel("Tarrock Junction Signal Box Summer 1954");
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    layout->addWidget(name);

    auto* choices = new QHBoxLayout;
    auto* levelBox = new QGroupBox("Select difficulty level");
    auto* levelLayout = new QVBoxLayout(levelBox);
    levels_ = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto* button = new QRadioButton(
            QString::fromUtf8(kv41::DifficultyNames[i].data(), kv41::DifficultyNames[i].size()));
        levels_->addButton(button, i);
        levelLayout->addWidget(button);
    }
    levels_->button(0)->setChecked(true);

    auto* shiftBox = new QGroupBox("Select shift");
    auto* shiftLayout = new QVBoxLayout(shiftBox);
    shifts_ = new QButtonGroup(this);
    QFont fixed("Monospace");
    fixed.setStyleHint(QFont::TypeWriter);
    for (int i = 0; i < 5; ++i) {
        const auto& line = kv41::Shifts[i].DialogLine;
        auto* button = new QRadioButton(QString::fromUtf8(line.data(), line.size()));
        button->setFont(fixed);
        shifts_->addButton(button, i);
        shiftLayout->addWidget(button);
    }
    shifts_->button(3)->setChecked(true);  // the Learning shift

    choices->addWidget(levelBox);
    choices->addWidget(shiftBox);
    layout->addLayout(choices);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

int NewGameDialog::ShiftIndex() const {
    return shifts_->checkedId();
}
int NewGameDialog::DifficultyIndex() const {
    return levels_->checkedId();
}
