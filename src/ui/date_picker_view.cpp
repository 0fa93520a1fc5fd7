#include "ui/date_picker_view.h"

#include <QApplication>
#include <QDate>
#include <QDateEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/binder.h"
#include "ui/user_widgets.h"

namespace orvane::ui {

namespace {
QDate toQDate(const Date& d) { return QDate(d.year, d.month, d.day); }
}  // namespace

DatePickerView::DatePickerView(Session& session, DatePickerWindow& model, QWidget* parent)
    : QDialog(parent), m_session(session), m_model(session.windows, "frmDate") {
    setWindowTitle(qs(model.Caption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    m_date = new QDateEdit;
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat("M/d/yyyy");
    m_date->setDateRange(toQDate(model.DTPicker1.minDate), toQDate(model.DTPicker1.maxDate));
    m_date->setDate(toQDate(model.DTPicker1.value));
    layout->addWidget(m_date);
    auto* bind = new FormBinder<DatePickerWindow>(this, [this] { return m_model.get(); });
    auto* ok = new QPushButton;
    ok->setDefault(true);
    bind->button(ok, "Command1", bind->of(&DatePickerWindow::Command1), {});
    bind->refresh();
    layout->addWidget(ok);
    // Wide enough for its whole title in the window's font.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 160);
    m_date->setAccessibleName(windowTitle());
    m_date->setAccessibleDescription(QStringLiteral("F4 or Alt+Down opens the calendar"));
    m_date->installEventFilter(this);
    connect(m_date, &QDateEdit::dateChanged, this, [this](QDate d) {
        if (m_model) m_model->DTPicker1_Change(Date{d.year(), d.month(), d.day()});
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (m_model) m_model->Command1_Click();
        accept();
    });
}

bool DatePickerView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_date && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F4 || (key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier))) {
            // The box opens its calendar on a press of its arrow, and has no call for it.
            const QPoint arrow(m_date->width() - m_date->height() / 2, m_date->height() / 2);
            QMouseEvent press(QEvent::MouseButtonPress, arrow, m_date->mapToGlobal(arrow), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(m_date, &press);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DatePickerView::done(int result) {
    if (m_model) {
        m_model = {};
        m_session.closeDatePicker();  // only its own picker: a newer one stays
    }
    QDialog::done(result);
}

}  // namespace orvane::ui
