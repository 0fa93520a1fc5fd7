#pragma once
// The city tax window on screen, over the session's DialogCity model: the single and married
// tables, the exemption columns, "NO LOCAL TAX" and the four buttons.

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;

namespace orvane {
class Session;
class DialogCity;
}  // namespace orvane

namespace orvane::ui {

template <class Model>
class FormBinder;

class DialogCity : public QDialog {
    Q_OBJECT
public:
    explicit DialogCity(Session& session, QWidget* parent = nullptr);
    // Escape, the close box and the cancel button: the window\'s closing steps.
    void reject() override;

    // Copies the model into the widgets.
    void refresh();

    // Boxes by column name ("txtCityMinBS") and row.
    QLineEdit* box(const char* column, int row) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    orvane::DialogCity& model();

    Session& m_session;
    FormBinder<orvane::DialogCity>* m_bind = nullptr;
    std::array<std::array<QLineEdit*, 10>, 8> m_columns{};
    QCheckBox* m_ckNoLocalTax = nullptr;
    bool m_closingByButton = false;
};

}  // namespace orvane::ui
