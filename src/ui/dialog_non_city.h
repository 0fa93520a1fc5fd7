#pragma once
// The non-city window on screen, over the session's DialogNonCity model: the weekly and
// bi-weekly non-resident tables, the rate and the three buttons. "&CANCEL" only hides it.

#include <array>

#include "local/dialog_non_city.h"
#include "ui/settings_dialog.h"

class QLineEdit;

namespace orvane::ui {

class DialogNonCity : public SettingsDialog<orvane::DialogNonCity> {
    Q_OBJECT
public:
    explicit DialogNonCity(Session& session, QWidget* parent = nullptr);

    // Boxes by column name ("txtNonMinWk") and row; "txtNonPer" with any row.
    QLineEdit* box(const char* column, int row) const;

private:
    std::array<std::array<QLineEdit*, 8>, 4> m_columns{};
    QLineEdit* m_txtNonPer = nullptr;
};

}  // namespace orvane::ui
