#pragma once
// The view of the year-to-date window "Year To Date": the menu bar, the ledger grid (frmYear)
// and the totals strip (frmYearTot) under it. Shown, not modal. When the session discards the
// window's model (a save, a switch of user, a calculation) the view closes.

#include <QMainWindow>
#include <QMargins>
#include <array>
#include <vector>

#include "app/session.h"
#include "ui/binder.h"

class QAbstractButton;
class QGridLayout;
class QScrollArea;
class QVBoxLayout;
class QLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace orvane::ui {

class MDIForm1 : public QMainWindow {
public:
    MDIForm1(Session& session, QWidget* parent = nullptr);
    ~MDIForm1() override;
    // The widgets from the window's model.
    void refresh();

    // "&Close"; the other menu commands are the session's own.
    void mnuClose_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    orvane::MDIForm1* model() { return m_session.hasYtdWindow() ? &m_session.ytdWindow() : nullptr; }
    QWidget* buildGrid();
    QWidget* buildHeadings();
    QWidget* buildWeekColumn();
    QGridLayout* blockLayout(QVBoxLayout* outer, int block, QWidget** holder);
    QLabel* columnCaption(int block, int column);
    static QScrollArea* frozenArea(QWidget* content, QMargins pad);
    QWidget* buildTotals();
    QLayout* buildTotalsSecondLine();
    QLabel* totalsLabel(Label orvane::frmYearTot::*member, const char* name);
    void setColumnWidths(QGridLayout* cells) const;
    void buildWeekMenu();  // "Paste Week" and "Delete Row" for the focused week
    // What a click on week `row`'s number does: 1 the left button (paste), 2 the right (delete).
    void weekCommand(int row, int button);
    int rowOf(const QWidget* widget) const;  // the week of a number or a cell, or -1

    Session& m_session;
    FormBinder<orvane::MDIForm1>* m_bind;
    static constexpr int kBlockSpacing = 8;  // between weeks 26 and 27
    int m_cellWidth = 0, m_dateWidth = 0, m_weekWidth = 0, m_rowHeight = 0, m_captionHeight = 0;
    std::array<QAbstractButton*, 52> m_Label2{};
    std::array<std::array<QWidget*, orvane::frmYear::kColumns>, 52> m_cells{};
    std::array<std::array<QLabel*, orvane::frmYear::kColumns>, 2> m_captions{};
    std::array<QLineEdit*, 18> m_totals{};
    std::array<QLabel*, 14> m_totalCaptions{};
    QWidget* m_secondBlock = nullptr;  // weeks 27 to 52: their cells and their numbers
    QWidget* m_secondWeeks = nullptr;
    int m_focusedRow = -1;
    QMetaObject::Connection m_focusWatch;
};

}  // namespace orvane::ui
