#pragma once
// The city tax window on screen, over the session's DialogCity model: the single and married
// tables, the exemption columns, "NO LOCAL TAX" and the four buttons.

#include <array>

#include "local/dialog_city.h"
#include "ui/settings_dialog.h"

class QCheckBox;
class QLineEdit;

namespace orvane::ui {

class DialogCity : public SettingsDialog<orvane::DialogCity> {
    Q_OBJECT
public:
    explicit DialogCity(Session& session, QWidget* parent = nullptr);

    // Boxes by column name ("txtCityMinBS") and row.
    QLineEdit* box(const char* column, int row) const;

private:
    std::array<std::array<QLineEdit*, 10>, 8> m_columns{};
    QCheckBox* m_ckNoLocalTax = nullptr;
};

}  // namespace orvane::ui
