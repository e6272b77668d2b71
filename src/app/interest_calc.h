#pragma once

#include "app/calc_window.h"

class QWidget;

namespace calvora {
class TbufInterest;
} // namespace calvora

// The compound and simple interest calculator window: an amount, a rate and the days
// between a start and an end date, giving the interest for the term, the future value, the
// annual percentage yield and the daily rate. Number of Days and the two dates follow each
// other: a day count moves a date, leaving a date recounts the days.
class TcalcInterest : public TCalcWindow {
    Q_OBJECT

public:
    // Uses the program's settings store and masks (App()).
    explicit TcalcInterest(QWidget* owner);

protected:
    void showValues() override;

private:
    // A typed day count other than 0: a positive count moves the end date that many days
    // after the start date, a negative one the start date that many days before the end.
    void daysChanged();
    // Leaving Number of Days keeps its size and drops its sign.
    void daysLeft();
    // Leaving a date picker recounts the days between the dates.
    void dateLeft();
    calvora::TbufInterest& interestBuffer();

    // On while the window itself sets Number of Days or shows values, so that no reaction
    // to a typed day count runs.
    bool m_quiet = false;
};

// The window's fields, date pickers, lists, sizes and help topics.
CalcWindowSpec InterestWindowSpec();
