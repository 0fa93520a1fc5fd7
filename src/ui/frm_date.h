#pragma once
// The view of the overtime table's date picker for the date box of one row.

#include "ui/date_picker_view.h"

namespace orvane::ui {

class frmDate : public DatePickerView {
public:
    frmDate(Session& session, int row, QWidget* parent = nullptr)
        : DatePickerView(session, session.overtimeDateClick(row), parent) {}
};

}  // namespace orvane::ui
