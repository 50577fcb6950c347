#pragma once
// "Select bell code to send to" the box: the list of every bell code, for sending one to a box.
#include <QDialog>
#include <optional>

class QListWidget;

class BellCodeDialog : public QDialog {
    Q_OBJECT
public:
    // The list at the panel's font size, with the suggested code selected.
    BellCodeDialog(int pointSize, int suggested, QWidget* parent = nullptr);
    // The code chosen with OK, or none when cancelled.
    std::optional<int> Chosen() const { return chosen_; }

private:
    QListWidget* list_ = nullptr;
    std::optional<int> chosen_;
};
