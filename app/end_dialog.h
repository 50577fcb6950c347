#pragma once
// "TOLA end of session": the verdict on the shift, shown once before the program ends.
#include <QDialog>
#include <functional>

#include "frontend/dialogs.h"

class EndDialog : public QDialog {
    Q_OBJECT
public:
    // review: the shift explained (model.Review); true when the player went back into the
    // shift from it, and the dialog closes.
    EndDialog(const kv41::EndWindow& model, std::function<bool()> review,
              QWidget* parent = nullptr);
};
