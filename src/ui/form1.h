#pragma once
// The main pay window on screen: the widgets of the session's Form1 model, laid out like a pay
// slip (hours on the left, results and the taxes/deductions table on the right). It copies the
// model into its widgets in refresh() and writes every edit straight back; the session does the
// rest.

#include <QMainWindow>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "ui/button_icons.h"

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace orvane {
class Form1;
class Session;
struct Control;
struct Label;
struct TextBox;
}  // namespace orvane

namespace orvane::ui {

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(Session& session, QWidget* parent = nullptr);

    // Copies the model into the widgets: caption, texts, labels, tips, enabled and visible state.
    void refresh();

    QLineEdit* txtAmount(int index) const { return m_txtAmount[static_cast<size_t>(index)]; }
    // A menu item by its name in the program ("mnuNew").
    QAction* menuAction(const std::string& name) const;

    // The commands behind the buttons and menus.
    void cmdCal_Click();
    void cmdClear_Click();
    void mnuExitItem_Click();
    void mnuAboutItem_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    orvane::Form1& model();
    QLabel* bindLabel(const Label& label, const QString& objectName);
    QAbstractButton* bindPictureButton(orvane::Control& button, const QString& objectName, ButtonPicture picture);
    QWidget* buildPayPeriodBar();
    QGroupBox* buildHours();
    QGroupBox* buildOvertimeAndTips();
    QGroupBox* buildClearAdd();
    QGroupBox* buildResults();
    QGroupBox* buildTaxes();
    QGroupBox* buildTools();
    QWidget* buildTableNotice();
    void buildMenus();
    int entryIndex(QObject* watched) const;

    Session& m_session;
    bool m_saveQuestionAsked = false;

    std::array<QLineEdit*, 8> m_txtAmount{};
    QLineEdit* m_txtWeek = nullptr;
    QRadioButton* m_opt1x = nullptr;
    QRadioButton* m_opt2x = nullptr;
    std::vector<std::pair<QLabel*, const Label*>> m_labels;
    std::vector<std::pair<QWidget*, const orvane::Control*>> m_controls;  // enabled, visible, tip
    std::vector<std::pair<QAction*, const orvane::Control*>> m_actions;
};

}  // namespace orvane::ui
