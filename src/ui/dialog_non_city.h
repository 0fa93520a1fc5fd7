#pragma once
// The non-city window on screen, over the session's DialogNonCity model: the weekly and
// bi-weekly non-resident tables, the rate and the three buttons. "&CANCEL" only hides it.

#include <QDialog>
#include <array>

class QLineEdit;

namespace orvane {
class Session;
class DialogNonCity;
}  // namespace orvane

namespace orvane::ui {

template <class Model>
class FormBinder;

class DialogNonCity : public QDialog {
    Q_OBJECT
public:
    explicit DialogNonCity(Session& session, QWidget* parent = nullptr);
    // Escape, the close box and the cancel button: the window\'s closing steps.
    void reject() override;

    void refresh();
    // Boxes by column name ("txtNonMinWk") and row; "txtNonPer" with any row.
    QLineEdit* box(const char* column, int row) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    orvane::DialogNonCity& model();

    Session& m_session;
    FormBinder<orvane::DialogNonCity>* m_bind = nullptr;
    std::array<std::array<QLineEdit*, 8>, 4> m_columns{};
    QLineEdit* m_txtNonPer = nullptr;
    bool m_saved = false;
};

}  // namespace orvane::ui
