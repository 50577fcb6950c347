#pragma once
// "TOLA end of session": the verdict on the shift, shown once before the program ends.
#include <QDialog>
#include <functional>

class EndDialog : public QDialog {
    Q_OBJECT
public:
    // review: the shift explained; true when the player went back into the shift from it, and
    // the dialog closes.
    EndDialog(const QString& rating, const QString& pointScore, const QString& perCent,
              std::function<bool()> review, QWidget* parent = nullptr);
};
