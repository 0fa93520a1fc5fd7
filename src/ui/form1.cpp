#include "ui/form1.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/session.h"
#include "core/form1.h"
#include "ui/access_keys.h"
#include "ui/binder.h"
#include "ui/dialog_city.h"
#include "ui/dialog_header.h"
#include "ui/dialog_non_city.h"
#include "ui/dialog_state.h"
#include "ui/dialog_vac.h"
#include "ui/form2.h"
#include "ui/mdi_form1.h"
#include "ui/frm_checks.h"
#include "ui/frm_date_main.h"
#include "ui/qt_person.h"
#include "ui/window_picture.h"
#include "ui/qt_printer.h"
#include "ui/window_fit.h"
#include "ui/frm_save_user.h"
#include "ui/frm_tax_info.h"
#include "ui/help_window.h"
#include "ui/user_widgets.h"
#include "version.h"

namespace orvane::ui {

namespace {

// Amount labels: right-aligned, so that the figures line up like a pay slip's column, and wide
// enough for the largest amount in their own font, whatever the desktop's font size.
void styleAmount(QLabel* label, bool large = false) {
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (large) {
        QFont f = label->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.15);
        label->setFont(f);
    }
    label->setMinimumWidth(QFontMetrics(label->font()).horizontalAdvance(QStringLiteral("$999,999.99")) + 8);
}

// What a picture button does, in words.
QString pictureName(ButtonPicture picture) {
    switch (picture) {
    case ButtonPicture::Clear: return QStringLiteral("Clear");
    case ButtonPicture::Calculate: return QStringLiteral("Calculate");
    case ButtonPicture::YearToDate: return QStringLiteral("Year to Date");
    case ButtonPicture::Overtime: return QStringLiteral("Overtime");
    case ButtonPicture::Vacation: return QStringLiteral("Vacation");
    case ButtonPicture::Print: return QStringLiteral("Print pay stub");
    }
    return {};
}

// Shows a window that is not modal: the open one brought to the front, or a new one that
// deletes itself when it closes. It is a window of its own, which the main window may cover.
template <class View, class Make>
void showView(QPointer<View>& view, Make make) {
    if (!view) {
        view = make();
        makeIndependent(view);
        view->setAttribute(Qt::WA_DeleteOnClose);
    }
    view->show();
    view->raise();
    view->activateWindow();
}

// Closes the view of a window the session has discarded. Its own closing steps are not run:
// they belong to the window, which no longer exists.
template <class View>
void dropView(QPointer<View>& view) {
    if (!view) return;
    view->hide();
    view->deleteLater();
    view = nullptr;
}

}  // namespace

Form1::Form1(Session& session, QWidget* parent)
    : QMainWindow(parent), m_session(session),
      m_bind(new FormBinder<orvane::Form1>(this, [this] { return &m_session.form1(); })) {
    auto* central = new QWidget;
    auto* page = new QVBoxLayout(central);
    page->addWidget(buildPayPeriodBar());

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(buildHours());
    left->addWidget(buildOvertimeAndTips());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(buildClearAdd());
    buttons->addWidget(buildTools(), 1);
    left->addLayout(buttons);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(buildResults());
    right->addWidget(buildTaxes());
    right->addStretch();
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    page->addLayout(columns);

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    page->addWidget(line);
    page->addWidget(buildTableNotice());
    // On a screen smaller than the window the window scrolls, menus and status line in sight.
    setCentralWidget(scrollingArea(central));
    statusBar()->setObjectName("statusBar");  // where the saves say what they saved
    buildMenus();

    // Calculate from anywhere in the window: F9, or Ctrl+Return (Return alone moves between the
    // hours boxes).
    auto* calculate = new QAction(this);
    calculate->setObjectName("calculateKeys");
    calculate->setShortcuts({QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_Return),
                             QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    connect(calculate, &QAction::triggered, this, [this] {
        if (m_cmdCal->isEnabled() && m_cmdCal->isVisible()) cmdCal_Click();
    });
    addAction(calculate);
    m_cmdCal->setAccessibleDescription(QStringLiteral("F9 or Ctrl+Return"));

    // The session shows the Save User window through this window, and tells it which windows it
    // discarded. Should the session outlive this window, the Save User window still comes up,
    // without a parent, and discarded windows concern nobody.
    const QPointer<Form1> self(this);
    m_session.showSaveUserModally = [self, &session = m_session] {
        ui::frmSaveUser dialog(session, self.data());
        dialog.exec();
    };
    // A discarded window's view closes once the flow that discarded it has run to its end: a
    // flow may make the window again at once (opening a user reads the leave file anew), and
    // then its view stays and shows what the window now holds.
    m_session.windowDiscarded = [self](const std::string&) {
        if (!self) return;
        QTimer::singleShot(0, self.data(), [self] {
            self->closeViewsOfDiscardedWindows();
            self->refreshOpenViews();
        });
    };
    // Each save says in the status line what it saved and where.
    m_session.saved = [self](const std::string& notice) {
        if (self) self->statusBar()->showMessage(qs(notice));
    };
    // "&Print Image": the window as it is shown.
    m_session.mainWindowPicture = [self] { return self ? windowPicture(*self) : std::vector<unsigned char>{}; };

    refresh();
    txtAmount(0)->setFocus();  // ready for the hours of the period
}

Form1::~Form1() {
    m_session.mainWindowPicture = nullptr;
    m_session.saved = nullptr;
    // The windows that are not modal have no parent: they go with the main window.
    for (QWidget* view : std::initializer_list<QWidget*>{m_form2, m_ytd, m_dialogVac, m_dialogState, m_dialogCity,
                                                         m_dialogNonCity, m_dialogHeader, m_frmChecks})
        delete view;
}

void Form1::cmdPrint_Click() {
    m_session.cmdPrint_Click();
    afterFlow();  // empty entry boxes now show "0"
}

void Form1::mnuPrintPreview_Click() {
    m_session.previewPayStub();
    afterFlow();  // empty entry boxes now show "0"
}

void Form1::mnuPrintItem_Click() {
    m_session.mnuPrintItem_Click();
    afterFlow();
}

void Form1::mnuChecks_Click() {
    if (!m_session.hasChecksWindow()) dropView(m_frmChecks);  // a discarded one is filled anew
    showView(m_frmChecks, [this] { return new ui::frmChecks(m_session, this); });
}

orvane::Form1& Form1::model() { return m_session.form1(); }

QLabel* Form1::bindLabel(const Label& label, const QString& objectName) {
    return m_bind->label(new QLabel, objectName, [&label] { return &label; });
}

QAbstractButton* Form1::bindPictureButton(CommandButton& button, const QString& objectName, ButtonPicture picture,
                                          void (Form1::*command)()) {
    auto* b = new QToolButton;
    b->setIcon(buttonIcon(picture));
    b->setIconSize(QSize(32, 32));
    b->setAutoRaise(false);
    m_bind->button(b, objectName, [&button] { return &button; }, [this, command] { (this->*command)(); },
                   ButtonText::None);
    // A screen reader says what the button does, not its tip ("Results" on the calculate button).
    b->setAccessibleName(pictureName(picture));
    return b;
}

QWidget* Form1::buildPayPeriodBar() {
    auto& f = model();
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    QLabel* weekLabel = bindLabel(f.Label12, "Label12");
    row->addWidget(weekLabel);
    m_txtWeek = m_bind->text(new QLineEdit, "txtWeek", m_bind->of(&orvane::Form1::txtWeek));
    weekLabel->setBuddy(m_txtWeek);
    m_txtWeek->setAccessibleDescription(QStringLiteral("F4 or Alt+Down picks the date"));
    // Room for the widest date in the window's font, whatever its size.
    m_txtWeek->setFixedWidth(m_txtWeek->fontMetrics().horizontalAdvance(QStringLiteral("12/31/2007")) + 24);
    m_txtWeek->setMaxLength(10);  // typed or pasted, as the program's own text
    m_txtWeek->installEventFilter(this);  // a click opens the date picker
    row->addWidget(m_txtWeek);
    row->addSpacing(16);
    QLabel* user = bindLabel(f.lbUser, "lbUser");
    QFont bold = user->font();
    bold.setBold(true);
    user->setFont(bold);
    row->addWidget(user);
    row->addStretch();
    row->addWidget(m_bind->button(new QPushButton, "cmdPeriod", m_bind->of(&orvane::Form1::cmdPeriod),
                                  [this] { cmdPeriod_Click(); }));
    row->addWidget(m_bind->button(new QPushButton, "cmdSavePrev", m_bind->of(&orvane::Form1::cmdSavePrev),
                                  [this] { cmdSavePrev_Click(); }));
    return bar;
}

QGroupBox* Form1::buildHours() {
    auto& f = model();
    auto* box = new QGroupBox(qs(f.frameHours));
    box->setObjectName("frameHours");
    auto* grid = new QGridLayout(box);
    static const char* const kLabelNames[8] = {"Label1", "Label11", "Label3", "Label2",
                                               "Label5", "Label9",  "Label10", "Label8"};
    for (int i = 0; i < 8; ++i) {
        QLabel* label = bindLabel(f.entryLabels[static_cast<size_t>(i)], kLabelNames[i]);
        grid->addWidget(label, i, 0);
        auto* edit = m_bind->text(new QLineEdit, QString("txtAmount(%1)").arg(i),
                                  m_bind->of(&orvane::Form1::txtAmount, static_cast<size_t>(i)), Entry::Numeric);
        label->setBuddy(edit);  // read with the box, and Alt+its letter goes there
        edit->setAccessibleDescription(qs(f.entryLabels[static_cast<size_t>(i)].tip));
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("99999.99")) + 16);
        edit->installEventFilter(this);  // Enter, Up and Down move between the boxes
        m_txtAmount[static_cast<size_t>(i)] = edit;
        grid->addWidget(edit, i, 2);
    }
    // The overtime multiplier sits in the row of the overtime box.
    m_opt1x = m_bind->option(new QRadioButton, "opt1x", m_bind->of(&orvane::Form1::opt1x));
    m_opt2x = m_bind->option(new QRadioButton, "opt2x", m_bind->of(&orvane::Form1::opt2x));
    auto* group = new QButtonGroup(box);
    group->addButton(m_opt1x);
    group->addButton(m_opt2x);
    auto* multiplier = new QHBoxLayout;
    multiplier->addWidget(m_opt1x);
    multiplier->addWidget(m_opt2x);
    grid->addLayout(multiplier, 2, 1);
    grid->setColumnStretch(0, 1);
    return box;
}

QGroupBox* Form1::buildOvertimeAndTips() {
    auto& f = model();
    auto* box = new QGroupBox;
    auto* grid = new QGridLayout(box);
    QLabel* otTag = bindLabel(f.lbTaxTag[11], "lbTaxTag(11)");
    grid->addWidget(otTag, 0, 0);
    QLabel* ot = bindLabel(f.lbOverT, "lbOverT");
    styleAmount(ot);
    grid->addWidget(ot, 0, 1);
    QLabel* tipsTag = bindLabel(f.lbTaxTag[17], "lbTaxTag(17)");
    grid->addWidget(tipsTag, 1, 0);
    QLabel* tips = bindLabel(f.lbTips, "lbTips");
    styleAmount(tips);
    grid->addWidget(tips, 1, 1);
    m_captioned.push_back({otTag, ot});
    m_captioned.push_back({tipsTag, tips});
    grid->setColumnStretch(0, 1);
    return box;
}

QGroupBox* Form1::buildClearAdd() {
    auto& f = model();
    auto* box = new QGroupBox(qs(f.frameClearAdd));
    box->setObjectName("frameClearAdd");
    auto* row = new QHBoxLayout(box);
    row->addWidget(bindPictureButton(f.cmdClear, "cmdClear", ButtonPicture::Clear, &Form1::cmdClear_Click));
    m_cmdCal = bindPictureButton(f.cmdCal, "cmdCal", ButtonPicture::Calculate, &Form1::cmdCal_Click);
    row->addWidget(m_cmdCal);
    return box;
}

QGroupBox* Form1::buildResults() {
    auto& f = model();
    auto* box = new QGroupBox(qs(f.frameResults));
    box->setObjectName("frameResults");
    auto* grid = new QGridLayout(box);
    const std::pair<const Label*, const char*> tags[4] = {
        {&f.lbTaxTag[12], "lbTaxTag(12)"}, {&f.Label4, "Label4"}, {&f.Label6, "Label6"}, {&f.lbTaxTag[13], "lbTaxTag(13)"}};
    const std::pair<const Label*, const char*> amounts[4] = {
        {&f.Label13, "Label13"}, {&f.lbTaxes, "lbTaxes"}, {&f.lbDeduct, "lbDeduct"}, {&f.lbNet, "lbNet"}};
    for (int i = 0; i < 4; ++i) {
        const bool headline = i == 0 || i == 3;  // gross and net pay stand out
        QLabel* tag = bindLabel(*tags[i].first, tags[i].second);
        QLabel* amount = bindLabel(*amounts[i].first, amounts[i].second);
        styleAmount(amount, headline);
        if (headline) {
            QFont bold = tag->font();
            bold.setBold(true);
            tag->setFont(bold);
        }
        grid->addWidget(tag, i, 0);
        grid->addWidget(amount, i, 1);
        m_captioned.push_back({tag, amount});
    }
    grid->setColumnStretch(0, 1);
    return box;
}

QGroupBox* Form1::buildTaxes() {
    auto& f = model();
    auto* box = new QGroupBox(qs(f.frameTaxes));
    box->setObjectName("frameTaxes");
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    int row = 0;
    auto addRow = [&](const Label& tag, const QString& tagName, const Label& amount, const QString& amountName) {
        QLabel* t = bindLabel(tag, tagName);
        grid->addWidget(t, row, 0);
        QLabel* a = bindLabel(amount, amountName);
        styleAmount(a);
        grid->addWidget(a, row, 1);
        m_captioned.push_back({t, a});
        ++row;
    };
    for (int i = 0; i < 11; ++i)
        addRow(f.lbTaxTag[static_cast<size_t>(i)], QString("lbTaxTag(%1)").arg(i), f.lbTaxDed[static_cast<size_t>(i)],
               QString("lbTaxDed(%1)").arg(i));
    addRow(f.lbTaxTag[14], "lbTaxTag(14)", f.lbSDI, "lbSDI");
    addRow(f.lbTaxTag[15], "lbTaxTag(15)", f.lbSUI, "lbSUI");
    addRow(f.lbTaxTag[16], "lbTaxTag(16)", f.lbCafe, "lbCafe");
    grid->setColumnStretch(0, 1);
    return box;
}

QGroupBox* Form1::buildTools() {
    auto& f = model();
    auto* box = new QGroupBox(qs(f.frameTools));
    box->setObjectName("frameTools");
    auto* row = new QHBoxLayout(box);
    row->addWidget(bindPictureButton(f.cmdYear, "cmdYear", ButtonPicture::YearToDate, &Form1::cmdYear_Click));
    row->addWidget(bindPictureButton(f.cmdOT, "cmdOT", ButtonPicture::Overtime, &Form1::cmdOT_Click));
    row->addWidget(bindPictureButton(f.Command1, "Command1", ButtonPicture::Vacation, &Form1::Command1_Click));
    row->addWidget(bindPictureButton(f.cmdPrint, "cmdPrint", ButtonPicture::Print, &Form1::cmdPrint_Click));
    return box;
}

QWidget* Form1::buildTableNotice() {
    auto& f = model();
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(bindLabel(f.Label7, "Label7"));
    row->addWidget(bindLabel(f.lbTaxVer, "lbTaxVer"));
    row->addStretch();
    row->addWidget(bindLabel(f.lbTableNotice, "lbTableNotice"));
    return bar;
}

void Form1::buildMenus() {
    for (auto& title : model().menus) {
        QMenu* menu = menuBar()->addMenu(qs(title.caption));
        menu->setObjectName(qs(title.name));
        for (auto& entry : title.items) {
            QAction* action = m_bind->action(menu->addAction(qs(entry.item.caption)), qs(entry.name),
                                             [item = &entry.item] { return item; });
            m_actions.push_back(action);
            if (entry.separatorAfter) menu->addSeparator();
        }
    }
    const std::pair<const char*, void (Form1::*)()> commands[] = {
        {"mnuNew", &Form1::mnuNew_Click},
        {"mnuOpen", &Form1::mnuOpen_Click},
        {"mnuSave", &Form1::mnuSave_Click},
        {"mnuClearIitem", &Form1::cmdClear_Click},
        {"mnuExitItem", &Form1::mnuExitItem_Click},
        {"mnuVac", &Form1::Command1_Click},
        {"mnuOtItem", &Form1::cmdOT_Click},
        {"mnuYear", &Form1::cmdYear_Click},
        {"mnuHeader", &Form1::mnuHeader_Click},
        {"mnuTaxInfoItem", &Form1::mnuTaxInfoItem_Click},
        {"mnuState", &Form1::mnuState_Click},
        {"mnuCity", &Form1::mnuCity_Click},
        {"mnuNonCity", &Form1::mnuNonCity_Click},
        {"mnuHelpItem", &Form1::mnuHelpItem_Click},
        {"mnuAboutItem", &Form1::mnuAboutItem_Click},
        {"mnuChecks", &Form1::mnuChecks_Click},
        {"mnuPrintSheetItem", &Form1::cmdPrint_Click},
        {"mnuPrintItem", &Form1::mnuPrintItem_Click},
        {"mnuPrintPreview", &Form1::mnuPrintPreview_Click},
    };
    for (auto [name, command] : commands) connect(menuAction(name), &QAction::triggered, this, command);
}

QAction* Form1::menuAction(const std::string& name) const {
    for (QAction* action : m_actions)
        if (action->objectName() == qs(name)) return action;
    return nullptr;
}

void Form1::refresh() {
    setWindowTitle(qs(model().Caption));
    m_bind->refresh();
    // A result is read with its caption: "GROSS PAY, $800.00".
    for (auto [tag, amount] : m_captioned) {
        const QString caption = withoutAccessKey(tag->text());
        amount->setAccessibleName(amount->text().isEmpty() ? caption : caption + ", " + amount->text());
    }
}

int Form1::entryIndex(QObject* watched) const {
    for (size_t i = 0; i < m_txtAmount.size(); ++i)
        if (m_txtAmount[i] == watched) return static_cast<int>(i);
    return -1;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtWeek) {
        if (event->type() == QEvent::KeyPress && m_txtWeek->isEnabled()) {
            // The keys that open a date box's calendar open the picker.
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_F4 || (key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier))) {
                txtWeek_Click();
                return true;
            }
        }
        if (event->type() == QEvent::MouseButtonRelease && m_txtWeek->isEnabled()) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && m_txtWeek->rect().contains(mouse->position().toPoint())) {
                txtWeek_Click();
                return true;
            }
        }
        return QMainWindow::eventFilter(watched, event);
    }
    const int index = entryIndex(watched);
    if (index < 0) return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        std::optional<NavKey> nav;
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && plain) nav = NavKey::Enter;
        if (key->key() == Qt::Key_Up) nav = NavKey::Up;
        if (key->key() == Qt::Key_Down) nav = NavKey::Down;
        if (nav) {
            if (auto next = orvane::Form1::txtAmount_KeyDown(index, *nav)) txtAmount(*next)->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::cmdCal_Click() {
    const bool calculated = m_session.cmdCal_Click();  // saves the user, which discards the user windows
    afterFlow();
    // Ready for the next period's hours, or for the correction of the refused box.
    focusEntry(calculated ? 0 : model().refusedEntry().value_or(0));
}

void Form1::focusEntry(int index) {
    QLineEdit* box = txtAmount(index);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();  // also when the box had the focus already
}

void Form1::cmdClear_Click() {
    m_session.cmdClear_Click();
    refresh();
}

void Form1::mnuNew_Click() {
    m_session.mnuNew_Click();
    afterFlow();
}

void Form1::mnuOpen_Click() {
    m_session.mnuOpen_Click();
    afterFlow();
}

void Form1::mnuSave_Click() {
    m_session.mnuSave_Click();
    afterFlow();
}

void Form1::mnuExitItem_Click() {
    if (!m_session.mnuExitItem_Click()) {
        afterFlow();  // cancelled: the program goes on
        return;
    }
    m_saveQuestionAsked = true;
    close();  // the last window closed ends the program
}

void Form1::mnuHeader_Click() {
    showView(m_dialogHeader, [this] { return new ui::DialogHeader(m_session, this); });
}

void Form1::mnuTaxInfoItem_Click() {
    {
        ui::frmTaxInfo dialog(m_session, this);
        dialog.exec();
    }
    afterFlow();  // its "Save" saves the user and may change the deduction captions
}

void Form1::mnuState_Click() {
    if (m_dialogState && m_dialogState->showsSessionModel()) {
        m_session.mnuStateTax_Click();  // the set procedures run again, as after every showing
        m_dialogState->refresh();
        m_dialogState->raise();
        m_dialogState->activateWindow();
        return;
    }
    dropView(m_dialogState);
    m_dialogState = ui::DialogState::showFromMenu(m_session);  // a window of its own
}

void Form1::mnuCity_Click() {
    showView(m_dialogCity, [this] { return new ui::DialogCity(m_session, this); });
}

void Form1::mnuNonCity_Click() {
    showView(m_dialogNonCity, [this] { return new ui::DialogNonCity(m_session, this); });
}

void Form1::Command1_Click() {
    showView(m_dialogVac, [this] { return new ui::DialogVac(m_session, this); });
}

void Form1::cmdOT_Click() {
    if (m_form2) {
        // Open already: it takes the main window's date and overtime again.
        m_session.cmdOT_Click();
        m_form2->refresh();
    }
    showView(m_form2, [this] { return new ui::Form2(m_session, this); });
}

void Form1::cmdYear_Click() {
    // The window is made and filled by the open command, then shown in its normal state.
    m_session.cmdYear_Click();
    if (m_ytd) m_ytd->refresh();
    showView(m_ytd, [this] { return new ui::MDIForm1(m_session, this); });
    m_ytd->setWindowState(m_ytd->windowState() & ~Qt::WindowMinimized);
}

void Form1::txtWeek_Click() {
    {
        ui::frmDateMain picker(m_session, this);
        picker.exec();
    }
    refresh();
}

void Form1::cmdPeriod_Click() {
    m_session.cmdPeriod_Click();  // calculates, which saves the user
    afterFlow();
}

void Form1::cmdSavePrev_Click() {
    m_session.cmdSavePrev_Click();
    refresh();  // empty boxes were saved, and are shown, as 0
}

void Form1::afterFlow() {
    closeViewsOfDiscardedWindows();
    refreshOpenViews();
    refresh();
    if (m_session.quitRequested) close();  // "&Quit" in the Save User window
}

void Form1::closeViewsOfDiscardedWindows() {
    if (!m_session.hasOvertimeWindow()) dropView(m_form2);
    if (!m_session.hasYtdWindow()) dropView(m_ytd);
    if (!m_session.hasDialogVac()) dropView(m_dialogVac);
    if (!m_session.hasDialogCity()) dropView(m_dialogCity);
    if (!m_session.hasDialogNonCity()) dropView(m_dialogNonCity);
    if (m_dialogState && !m_dialogState->showsSessionModel()) dropView(m_dialogState);
    if (!m_session.hasHeaderWindow()) dropView(m_dialogHeader);
    if (!m_session.hasChecksWindow()) dropView(m_frmChecks);
}

void Form1::refreshOpenViews() {
    // A window the session made again (opening a user reads the leave and local files anew)
    // shows what it now holds.
    if (m_form2) m_form2->refresh();
    if (m_ytd) m_ytd->refresh();
    if (m_dialogVac) m_dialogVac->refresh();
    if (m_dialogCity) m_dialogCity->refresh();
    if (m_dialogNonCity) m_dialogNonCity->refresh();
    if (m_dialogState) m_dialogState->refresh();
    if (m_frmChecks) m_frmChecks->refresh();
}

void Form1::closeAllViews() {
    dropView(m_form2);
    dropView(m_ytd);
    dropView(m_dialogVac);
    dropView(m_dialogState);
    dropView(m_dialogCity);
    dropView(m_dialogNonCity);
    dropView(m_dialogHeader);
    dropView(m_frmChecks);
    HelpWindow::closeManual();
}

void Form1::mnuHelpItem_Click() { HelpWindow::showManual(); }

void Form1::mnuAboutItem_Click() {
    QMessageBox::about(this, tr("About Orvane"),
                       tr("Orvane %1\n\nPayroll calculator for one employee at a time:\n"
                          "pay stubs, checks and the year-to-date ledger.")
                           .arg(QStringLiteral(ORVANE_VERSION)));
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!m_saveQuestionAsked) {
        if (!m_session.askToSaveOnExit()) {
            event->ignore();  // cancelled: the program goes on
            afterFlow();
            return;
        }
        m_saveQuestionAsked = true;
    }
    closeAllViews();  // the secondary windows go with the main window
    event->accept();
}

}  // namespace orvane::ui
