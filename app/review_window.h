#pragma once
// "Shift review": the curve of the points over the shift (the signalman's beside the player's),
// the table of gains and losses and the table of delayed trains by cause with the signalman's
// handling of each, sortable by any column. A row's rule opens its help topic; "Play again from
// here" closes the window with the row's minute. It draws the core's review model and nothing
// else.
#include <QDialog>
#include <functional>
#include <optional>

#include "debrief/review_model.h"

class QTableWidget;

// The review window, modal over parent: the minute chosen with "Play again from here", or none.
std::optional<int> ShowReviewWindow(const kv41::ReviewModel& model,
                                    std::function<void(int)> showHelp, QWidget* parent);

class ReviewWindow : public QDialog {
    Q_OBJECT
public:
    ReviewWindow(const kv41::ReviewModel& model, std::function<void(int)> showHelp,
                 QWidget* parent = nullptr);
    // The minute chosen to play again from, or none.
    std::optional<int> ChosenMinute() const { return chosen_; }

private:
    const kv41::ReviewRow* SelectedRow() const;
    void Fill(QTableWidget* table, const std::vector<kv41::ReviewRow>& rows, int column,
              bool ascending);

    kv41::ReviewModel model_;
    QTableWidget* events_ = nullptr;
    QTableWidget* delays_ = nullptr;
    QTableWidget* chosenTable_ = nullptr;
    std::optional<int> chosen_;
};
