#include "ui/dlg_print_set.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/binder.h"
#include "ui/user_widgets.h"
#include "ui/window_watch.h"

namespace orvane::ui {

dlgPrintSet::dlgPrintSet(Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    orvane::dlgPrintSet& m = session.mnuPrintCheck_Click();
    new WindowWatch(session, "dlgPrintSet", this, {});
    setWindowTitle(qs(m.Caption));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(qs(m.lbHeading.caption)), 0, 0, 1, 2);
    auto* bind = new Binder(this);
    const auto combo = [this, bind](ComboBox& model, const char* name) {
        return bind->combo(new QComboBox, name, [this, &model] { return m_session.hasPrintSetWindow() ? &model : nullptr; },
                           Entry::Text);  // "+5" is one of its values
    };
    m_cboHorz = combo(m.cboHorz, "cboHorz");
    m_cboVert = combo(m.cboVert, "cboVert");
    grid->addWidget(new QLabel(qs(m.lbHorz.caption)), 1, 0);
    grid->addWidget(m_cboHorz, 1, 1);
    grid->addWidget(new QLabel(qs(m.lbVert.caption)), 2, 0);
    grid->addWidget(m_cboVert, 2, 1);
    auto* week = new QLabel(qs(m.lbWeek.caption));
    week->setObjectName("lbWeek");
    grid->addWidget(week, 3, 0, 1, 2);
    auto* instructions = new QLabel(qs(m.lbInstructions.caption));
    instructions->setWordWrap(true);
    grid->addWidget(instructions, 4, 0, 1, 3);
    auto* ok = new QPushButton(literalCaption(m.OKButton.caption));
    auto* apply = new QPushButton(qs(m.cmdApply.caption));
    auto* cancel = new QPushButton(qs(m.CancelButton.caption));
    auto* preview = new QPushButton(qs(m.cmdPreview.caption));
    preview->setObjectName("cmdPreview");
    ok->setObjectName("OKButton");
    apply->setObjectName("cmdApply");
    grid->addWidget(ok, 1, 2);
    grid->addWidget(apply, 2, 2);
    grid->addWidget(cancel, 3, 2);
    grid->addWidget(preview, 5, 2);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (takeBoxes() && m_session.printSetPrintCheck()) QDialog::accept();
    });
    connect(apply, &QPushButton::clicked, this, [this] {
        if (takeBoxes()) m_session.printSetApply();
    });
    connect(preview, &QPushButton::clicked, this, [this] {
        takeBoxes();
        m_session.printSetPreview();
    });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    bind->refresh();
}

bool dlgPrintSet::takeBoxes() {
    // Only into the window the session holds: a discarded one is not made again here.
    auto* m = m_session.windows.find<orvane::dlgPrintSet>("dlgPrintSet");
    if (!m) return false;
    m->cboHorz.text = ss(m_cboHorz->currentText());
    m->cboVert.text = ss(m_cboVert->currentText());
    return true;
}

void dlgPrintSet::reject() {
    if (m_session.hasPrintSetWindow()) m_session.printSetCancel();
    QDialog::reject();
}

}  // namespace orvane::ui
