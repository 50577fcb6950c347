#pragma once
// "TOLA end of session": the verdict on the shift, shown once before the program ends.
#include <QDialog>

#include "frontend/dialogs.h"

class EndDialog : public QDialog {
    Q_OBJECT
public:
    explicit EndDialog(const kv41::EndWindow& model, QWidget* parent = nullptr);
};
