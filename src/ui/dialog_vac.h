#pragma once
// The leave window on screen, over the session's DialogVac model: three accounts with twenty
// dated entries each, their start balances and live balances, "Save", "Clear All" and "&Help".

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;

namespace orvane {
class Session;
class DialogVac;
}  // namespace orvane

namespace orvane::ui {

template <class Model>
class FormBinder;

class DialogVac : public QDialog {
    Q_OBJECT
public:
    explicit DialogVac(Session& session, QWidget* parent = nullptr);
    // Escape, the close box and the cancel button: the window\'s closing steps.
    void reject() override;

    void refresh();
    // The boxes of one account (0 vacation, 1 holiday/personal, 2 sick).
    QLineEdit* dateBox(int account, int row) const { return m_accounts[account].dates[row]; }
    QLineEdit* countBox(int account, int row) const { return m_accounts[account].counts[row]; }
    QLineEdit* startBox(int account) const { return m_accounts[account].start; }
    QLabel* balanceLabel(int account) const { return m_accounts[account].balance; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Account {
        std::array<QLineEdit*, 20> dates{}, counts{};
        QLineEdit* start = nullptr;
        QLabel* balance = nullptr;
    };
    orvane::DialogVac& model();
    void recompute(int account);

    Session& m_session;
    FormBinder<orvane::DialogVac>* m_bind = nullptr;
    std::array<Account, 3> m_accounts{};
    bool m_saved = false;
};

}  // namespace orvane::ui
