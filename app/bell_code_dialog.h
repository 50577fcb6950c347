#pragma once
// "Select bell code to send to" the box: the list of every bell code, for sending one to a box.
#include <QDialog>
#include <optional>

#include "frontend/game_windows.h"

class QListWidget;

class BellCodeDialog : public QDialog {
    Q_OBJECT
public:
    BellCodeDialog(const kv41::BellListWindow& model, QWidget* parent = nullptr);
    // The code chosen with OK, or none when cancelled.
    std::optional<int> Chosen() const { return chosen_; }

private:
    QListWidget* list_ = nullptr;
    std::optional<int> chosen_;
};
