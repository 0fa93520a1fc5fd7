#pragma once
// The view of the overtime percentage window (shown, not modal). When the session discards the
// window's model (a save, a switch of user) the view must close: connect windowDiscarded("Form2")
// to close().

#include <QDialog>
#include <array>

#include "app/session.h"
#include "ui/binder.h"

class QLineEdit;
class QLabel;
class QWidget;

namespace orvane::ui {

class Form2 : public QDialog {
public:
    Form2(Session& session, QWidget* parent = nullptr);
    void refresh();
    // "&Print": the printer dialog, then an image of the window.
    void print();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

public:
    // "&Back", Escape and the close box: the rows are kept, nothing is written.
    void done(int result) override;

private:

private:
    orvane::Form2* model() { return m_session.hasOvertimeWindow() ? &m_session.overtimeWindow() : nullptr; }
    void focusCell(orvane::Form2::Cell cell);

    Session& m_session;
    FormBinder<orvane::Form2>* m_bind;
    bool m_fitted = false;
    std::array<QLabel*, 52> m_Label2{};
    std::array<QLineEdit*, 52> m_Text1{};
    std::array<QLineEdit*, 52> m_txtOT{};
    QWidget* m_secondBlock = nullptr;
    QLineEdit* m_txtAnnual = nullptr;
    QLineEdit* m_txtApPercent = nullptr;
    QLineEdit* m_txtPercent = nullptr;
    QLabel* m_lbEarned = nullptr;
    QLabel* m_lbMax = nullptr;
    QLabel* m_lbAvail = nullptr;
    QLabel* m_lbWk = nullptr;
    QLabel* m_lb_OT = nullptr;
};

}  // namespace orvane::ui
