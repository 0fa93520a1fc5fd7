#pragma once
// The leave window on screen, over the session's DialogVac model: three accounts with twenty
// dated entries each, their start balances and live balances, "Save", "Clear All" and "&Help".

#include <array>

#include "users/dialog_vac.h"
#include "ui/settings_dialog.h"

class QLabel;
class QLineEdit;

namespace orvane::ui {

class DialogVac : public SettingsDialog<orvane::DialogVac> {
    Q_OBJECT
public:
    explicit DialogVac(Session& session, QWidget* parent = nullptr);

    // The boxes of one account (0 vacation, 1 holiday/personal, 2 sick).
    QLineEdit* dateBox(int account, int row) const { return m_accounts[account].dates[row]; }
    QLineEdit* countBox(int account, int row) const { return m_accounts[account].counts[row]; }
    QLineEdit* startBox(int account) const { return m_accounts[account].start; }
    QLabel* balanceLabel(int account) const { return m_accounts[account].balance; }

private:
    struct Account {
        std::array<QLineEdit*, 20> dates{}, counts{};
        QLineEdit* start = nullptr;
        QLabel* balance = nullptr;
    };
    void recompute(int account);

    std::array<Account, 3> m_accounts{};
};

}  // namespace orvane::ui
