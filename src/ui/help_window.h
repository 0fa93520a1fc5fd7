#pragma once
// The user manual in a window of its own: the HTML manual shipped beside the tables, shown by
// Qt itself, so that help works without a browser. Links to other sites go to the browser.

#include <QMainWindow>
#include <QString>
#include <filesystem>
#include <optional>

class QTextBrowser;

namespace orvane::ui {

class HelpWindow : public QMainWindow {
public:
    // The manual at `manual` (index.html), or a note where it belongs when it is missing.
    explicit HelpWindow(std::optional<std::filesystem::path> manual, QWidget* parent = nullptr);

    // Shows the one help window at a section of the manual ("leave"), or its beginning.
    static HelpWindow* showManual(const QString& section = {});
    // Closes it, with the main window.
    static void closeManual();

    // Goes to a section of the manual.
    void showSection(const QString& section);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
    std::optional<std::filesystem::path> m_manual;
};

}  // namespace orvane::ui
