#include "new_game_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialog_cells.h"
#include "dialog_picture.h"
#include "help_topic.h"
#include "panel_font.h"

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// A radio group whose buttons are numbered from 0 in order.
QGroupBox* RadioGroup(QDialog* dialog, const kv41::RadioGroup& model, QButtonGroup* group) {
    auto* box = new QGroupBox(Text(model.Title), dialog);
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(1);
    layout->setContentsMargins(8, 4, 8, 4);
    // Items that line their columns up with blanks need a fixed-pitch face.
    const QFont fixed = TypewriterFont(dialog->font().pointSize());
    for (std::size_t i = 0; i < model.Items.size(); ++i) {
        auto* button = new QRadioButton(Text(model.Items[i]));
        if (model.FixedPitch) button->setFont(fixed);
        group->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    group->button(model.Chosen)->setChecked(true);
    box->setGeometry(CellsToPixels(model.Place));
    return box;
}

}  // namespace

NewGameDialog::NewGameDialog(const kv41::NewGameWindow& model, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Text(model.Caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SetHelpTopic(this, model.HelpTopic);
    setFixedSize(CellsToPixels(model.Cells));

    auto* picture = new QLabel(this);
    picture->setPixmap(SignalBoxPicture());
    picture->setGeometry(CellsToPixels(kv41::PicturePlace));

    auto* name = new QLabel(Text(model.Name.Text), this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    name->setFont(bold);
    name->move(CellsToPixels(model.Name.Place).topLeft());
    name->adjustSize();

    auto* hint = new QLabel(Text(model.Hint.Text), this);
    hint->move(CellsToPixels(model.Hint.Place).topLeft());
    hint->adjustSize();

    levels_ = new QButtonGroup(this);
    RadioGroup(this, model.Levels, levels_);
    shifts_ = new QButtonGroup(this);
    RadioGroup(this, model.Shifts, shifts_);

    // OK starts the shift; Cancel, Esc and the close button leave the start screen as it was.
    auto* ok = new QPushButton(Text(model.Ok.Text), this);
    ok->setGeometry(CellsToPixels(model.Ok.Place));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(Text(model.Cancel.Text), this);
    cancel->setGeometry(CellsToPixels(model.Cancel.Place));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int NewGameDialog::ShiftIndex() const {
    return shifts_->checkedId();
}

int NewGameDialog::DifficultyIndex() const {
    return levels_->checkedId();
}
