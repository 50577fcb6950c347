#pragma once
// "Shift review": the curve of the points over the shift (the signalman's beside the player's),
// the table of gains and losses and the table of delayed trains by cause, both sortable. A row's
// rule opens its help topic; "Play again from here" closes the window with the row's minute.
// Everything it shows comes from the core's debrief; it only draws it.
#include <QDialog>
#include <functional>

#include "debrief/debrief.h"
#include "debrief/debrief_text.h"

class QTableWidget;

class ReviewWindow : public QDialog {
    Q_OBJECT
public:
    ReviewWindow(const kv41::Debrief& debrief, const kv41::Debrief& signalman,
                 const kv41::ReviewTables& tables, std::function<void(int)> showHelp,
                 QWidget* parent = nullptr);
    // The minute chosen to play again from, or -1.
    int ChosenMinute() const { return chosen_; }

private:
    const kv41::ReviewRow* SelectedRow() const;

    kv41::ReviewTables tables_;
    QTableWidget* events_ = nullptr;
    QTableWidget* delays_ = nullptr;
    QTableWidget* lastFocus_ = nullptr;
    int chosen_ = -1;
};
