#pragma once
// "TOLA end of session": the verdict on the shift, shown once before the program ends.
#include <QDialog>

class EndDialog : public QDialog {
    Q_OBJECT
public:
    EndDialog(const QString& rating, const QString& pointScore, const QString& perCent,
              QWidget* parent = nullptr);
};
