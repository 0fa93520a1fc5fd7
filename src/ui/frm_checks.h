#pragma once
// The view of the checks window "Check Printing" (shown, not modal): the check on screen. A click
// on the window or its return to the front fills it again from the last calculation.

#include <QDialog>
#include <QPointer>
#include <utility>
#include <vector>

#include "app/session.h"

class QLineEdit;

namespace orvane::ui {

class Binder;
class dlgPrintSet;

class frmChecks : public QDialog {
public:
    frmChecks(Session& session, QWidget* parent = nullptr);
    void refresh();
    void mnuPrintCheck_Click();  // the printer offset window, not modal
    // Escape and the close box: the window's closing steps.
    void reject() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    Session& m_session;
    orvane::frmChecks* model() const;  // null once the session has discarded the window
    Binder* m_bind = nullptr;
    QPointer<dlgPrintSet> m_printSet;
};

}  // namespace orvane::ui
