#pragma once
// The main pay window on screen: the widgets of the session's Form1 model, laid out like a pay
// slip (hours on the left, results and the taxes/deductions table on the right). It copies the
// model into its widgets in refresh() and writes every edit straight back; the session does the
// rest.

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "ui/binder.h"
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
struct CommandButton;
struct Control;
struct Label;
struct TextBox;
}  // namespace orvane

namespace orvane::ui {

class DialogCity;
class DialogHeader;
class DialogNonCity;
class DialogState;
class DialogVac;
class Form2;
class MDIForm1;
class frmChecks;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Takes over the session's hooks for the Save User window and for discarded windows.
    explicit Form1(Session& session, QWidget* parent = nullptr);
    ~Form1() override;

    // Copies the model into the widgets: caption, texts, labels, tips, enabled and visible state.
    void refresh();

    QLineEdit* txtAmount(int index) const { return m_txtAmount[static_cast<size_t>(index)]; }
    // A menu item by its name in the program ("mnuNew").
    QAction* menuAction(const std::string& name) const;

    // The commands behind the buttons and menus. Each runs its flow in the session, then shows
    // the outcome: the main window refreshed, the views of discarded windows closed.
    void cmdCal_Click();
    void cmdClear_Click();
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuExitItem_Click();
    void mnuHelpItem_Click();     // the user manual, in a window of its own
    void mnuAboutItem_Click();
    void mnuHeader_Click();       // not modal
    void mnuTaxInfoItem_Click();  // modal
    void mnuState_Click();        // not modal
    void mnuCity_Click();         // not modal
    void mnuNonCity_Click();      // not modal
    void Command1_Click();        // "&Vacation" as well; not modal
    void cmdOT_Click();           // "OT %" as well; not modal
    void cmdYear_Click();         // "&Year to Date" as well; not modal
    void txtWeek_Click();         // the week-ending picker, modal
    void cmdPeriod_Click();
    void cmdSavePrev_Click();
    void cmdPrint_Click();        // "Print Sheet" as well
    void mnuPrintItem_Click();    // the window printed as a picture
    void mnuPrintPreview_Click(); // the pay stub in the print preview
    void mnuChecks_Click();       // not modal

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    orvane::Form1& model();
    QLabel* bindLabel(const Label& label, const QString& objectName);
    QAbstractButton* bindPictureButton(CommandButton& button, const QString& objectName, ButtonPicture picture,
                                       void (Form1::*command)());
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
    void focusEntry(int index);
    // After every flow: views whose window the session discarded close, the others show their
    // window again, the main window is refreshed; "&Quit" in the Save User window ends the run.
    void afterFlow();
    void closeViewsOfDiscardedWindows();
    void refreshOpenViews();
    void closeAllViews();

    Session& m_session;
    bool m_saveQuestionAsked = false;

    std::array<QLineEdit*, 8> m_txtAmount{};
    QLineEdit* m_txtWeek = nullptr;
    QAbstractButton* m_cmdCal = nullptr;
    QRadioButton* m_opt1x = nullptr;
    QRadioButton* m_opt2x = nullptr;
    FormBinder<orvane::Form1>* m_bind;
    std::vector<QAction*> m_actions;
    std::vector<std::pair<QLabel*, QLabel*>> m_captioned;  // each result label with its caption

    // The windows shown without being modal, while they are open (each deletes itself on close).
    QPointer<Form2> m_form2;
    QPointer<MDIForm1> m_ytd;
    QPointer<DialogVac> m_dialogVac;
    QPointer<DialogState> m_dialogState;
    QPointer<DialogCity> m_dialogCity;
    QPointer<DialogNonCity> m_dialogNonCity;
    QPointer<DialogHeader> m_dialogHeader;
    QPointer<frmChecks> m_frmChecks;
};

}  // namespace orvane::ui
