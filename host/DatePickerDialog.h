// The lookup window's date picker: a modal dialog with the date in an edit
// and buttons that move it by a day or a month.
//
// Components (names for scripted answers): "edDate" (the date as
// year/month/day; with years counted from 1912 the year is year - 1911),
// "btnPrevMonth", "btnPrevDay", "btnToday", "btnNextDay", "btnNextMonth",
// "btnOk" and "btnCancel". OK with a text that is no valid date shows an
// error and keeps the dialog open.
#pragma once

#include <string>

#include "platform/Forms.h"

namespace kw {

class TEdit;

class TfrmShellInputDay : public TForm {
    KW_CLASS(TfrmShellInputDay)
public:
    // initial: "YYYYMMDD" (today when it is no valid date).
    TfrmShellInputDay(TComponent* owner, const std::string& initial, bool republicYears);

    // The edit's date as "YYYYMMDD", "" when it holds no valid date.
    std::string PickedDate() const;

private:
    void ShowDate(double date);
    void MoveBy(int days, int months);
    void OkClick();
    TEdit* edit_ = nullptr;
    bool republicYears_;
};

// Shows the picker modally; the picked "YYYYMMDD", "" when cancelled.
std::string PickDay(const std::string& initial, bool republicYears);

// The date of a "YYYYMMDD" text; false when it is no valid date.
bool DayTextToDate(const std::string& day, double& date);

}  // namespace kw
