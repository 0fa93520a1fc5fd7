#pragma once
// The date pickers: frmDateMain for the main window's week-ending date, frmDate for a date box
// of the overtime table. Both are bounded to 12/01/2006 - 01/06/2008 and write the chosen date,
// as M/d/yyyy text, into their box at once.

#include <functional>
#include <string>

#include "core/controls.h"
#include "core/date.h"
#include "core/tax_year.h"

namespace orvane {

struct DatePicker : Control {
    Date value = kFirstDayOfTaxYear;
    Date minDate = kFirstPickerDate;
    Date maxDate = kLastPickerDate;
    bool inRange(const Date& d) const { return minDate <= d && d <= maxDate; }
};

class DatePickerWindow {
public:
    // `setText` writes into the box the picker serves.
    DatePickerWindow(std::string okCaption, std::function<void(const std::string&)> setText);
    virtual ~DatePickerWindow() = default;  // the session keeps either picker through this base

    std::string Caption = "Date";
    DatePicker DTPicker1;
    CommandButton Command1;
    bool closed = false;

    // Creation: the box's text as the picker's date; a text that is not a date in range puts
    // today's date into the box and shows today (or 1/1/2007 when today is out of range).
    void Form_Load(const std::string& boxText, const Date& today);
    // The picker's date changed (or was clicked): the box gets it at once.
    void DTPicker1_Change(const Date& date);
    // "Ok": the box gets the date and the window closes.
    void Command1_Click();

private:
    std::function<void(const std::string&)> m_setText;
};

// The week-ending date picker; its button reads "Ok".
class frmDateMain : public DatePickerWindow {
public:
    explicit frmDateMain(std::function<void(const std::string&)> setText)
        : DatePickerWindow("Ok", std::move(setText)) {}
};

// The overtime table's date picker for the date box of one row; its button reads "&OK".
class frmDate : public DatePickerWindow {
public:
    frmDate(int rowIndex, std::function<void(const std::string&)> setText)
        : DatePickerWindow("&OK", std::move(setText)), row(rowIndex) {}
    int row;
};

}  // namespace orvane
