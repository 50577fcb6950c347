#pragma once
// "TOLA select shift": the shift and the difficulty of a new game.
#include <QDialog>

#include "frontend/dialogs.h"

class QButtonGroup;

class NewGameDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewGameDialog(const kv41::NewGameWindow& model, QWidget* parent = nullptr);
    int ShiftIndex() const;
    int DifficultyIndex() const;

private:
    QButtonGroup* shifts_ = nullptr;
    QButtonGroup* levels_ = nullptr;
};
