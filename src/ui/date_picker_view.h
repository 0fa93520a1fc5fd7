#pragma once
// What the two date picker views share: a date editor with its calendar, bounded to the
// picker's range, and one button. Every change is written into the served box at once.

#include <QDialog>

#include "app/session.h"

class QDateEdit;

namespace orvane::ui {

class DatePickerView : public QDialog {
public:
    DatePickerView(Session& session, DatePickerWindow& model, QWidget* parent);
    void done(int result) override;  // the picker is released however the window closes
    QDateEdit* dateEdit() const { return m_date; }

protected:
    // F4 and Alt+Down open the calendar, as in a combo box.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Session& m_session;
    WindowRef<DatePickerWindow> m_model;  // the picker this view was opened for
    QDateEdit* m_date;
};

}  // namespace orvane::ui
