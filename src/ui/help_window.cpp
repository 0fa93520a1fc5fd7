#include "ui/help_window.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include "app/shipped_tables.h"
#include "ui/window_fit.h"

namespace orvane::ui {

HelpWindow::HelpWindow(std::optional<std::filesystem::path> manual, QWidget* parent)
    : QMainWindow(parent), m_browser(new QTextBrowser), m_manual(std::move(manual)) {
    setObjectName("HelpWindow");
    setWindowTitle(tr("Orvane user manual"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setAccessibleName(tr("User manual"));
    setCentralWidget(m_browser);
    if (m_manual) {
        m_browser->setSource(QUrl::fromLocalFile(QString::fromStdString(m_manual->string())));
    } else {
        m_browser->setPlainText(tr("The user manual was not found.\n\nIt is installed with the program, in "
                                   "share/orvane/manual/index.html beside the program's folder "
                                   "(/usr/share/orvane/manual/index.html for a package)."));
    }
    fitOnScreen(this, QSize(760, 720));
    keepSize(this);
}

void HelpWindow::showSection(const QString& section) {
    if (!m_manual) return;
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(m_manual->string()));
    if (!section.isEmpty()) url.setFragment(section);
    m_browser->setSource(url);
    if (!section.isEmpty()) m_browser->scrollToAnchor(section);
}

namespace {
// One help window for the whole program; it deletes itself when closed.
QPointer<HelpWindow> theWindow;
}  // namespace

void HelpWindow::closeManual() {
    if (theWindow) theWindow->close();
}

HelpWindow* HelpWindow::showManual(const QString& section) {
    if (!theWindow) {
        theWindow = new HelpWindow(shippedManual(runningProgramDir()));
        theWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    theWindow->showSection(section);
    theWindow->show();
    theWindow->raise();
    theWindow->activateWindow();
    return theWindow;
}

}  // namespace orvane::ui
