#include "new_game_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialog_picture.h"
#include "panel_font.h"
#include "session/new_game.h"

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A radio group whose buttons are numbered from 0 in order.
QGroupBox* RadioGroup(const QString& title, QButtonGroup* group, const QStringList& items,
                      const QFont* itemFont) {
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(1);
    layout->setContentsMargins(8, 4, 8, 4);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i]);
        if (itemFont) button->setFont(*itemFont);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    return box;
}

}  // namespace

NewGameDialog::NewGameDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("TOLA select shift");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(544, 295);

    auto* picture = new QLabel(this);
    picture->setPixmap(SignalBoxPicture());
    picture->setGeometry(16, 16, 121, 129);

    auto* name = new QLabel("Tarrock Junction Signal Box Summer 1954", this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    name->setFont(bold);
    name->move(160, 24);
    name->adjustSize();

    auto* hint = new QLabel(
        "You are the signalman for one shift.\nChoose the shift and how strict the timekeeping "
        "is,\nthen press OK.",
        this);
    hint->move(160, 64);
    hint->adjustSize();

    levels_ = new QButtonGroup(this);
    QStringList levelNames;
    for (std::string_view level : kv41::DifficultyNames) levelNames << Text(level);
    auto* levelBox = RadioGroup("Select difficulty level", levels_, levelNames, nullptr);
    levelBox->setParent(this);
    levelBox->setGeometry(12, 160, 140, 121);
    levels_->button(0)->setChecked(true);

    shifts_ = new QButtonGroup(this);
    QStringList shiftLines;
    for (const kv41::ShiftRow& shift : kv41::Shifts) shiftLines << Text(shift.DialogLine);
    // The shift lines line their hours up with blanks, so they need a fixed-width face.
    const QFont fixed = TypewriterFont(font().pointSize());
    auto* shiftBox = RadioGroup("Select shift", shifts_, shiftLines, &fixed);
    shiftBox->setParent(this);
    shiftBox->setGeometry(160, 160, 281, 121);
    shifts_->button(3)->setChecked(true);  // the Learning shift

    // OK starts the shift; Cancel, Esc and the close button leave the start screen as it was.
    auto* ok = new QPushButton("OK", this);
    ok->setGeometry(464, 208, 57, 33);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setGeometry(464, 248, 57, 33);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int NewGameDialog::ShiftIndex() const {
    return shifts_->checkedId();
}

int NewGameDialog::DifficultyIndex() const {
    return levels_->checkedId();
}
