#pragma once
// The view of the week-ending date picker, opened by a click into the main window's txtWeek.

#include "ui/date_picker_view.h"

namespace orvane::ui {

class frmDateMain : public DatePickerView {
public:
    frmDateMain(Session& session, QWidget* parent = nullptr)
        : DatePickerView(session, session.txtWeek_Click(), parent) {}
};

}  // namespace orvane::ui
