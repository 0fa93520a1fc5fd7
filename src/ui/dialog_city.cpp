#include "ui/dialog_city.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cstring>

#include "app/session.h"
#include "local/dialog_city.h"
#include "ui/binder.h"
#include "ui/bracket_table_box.h"
#include "ui/local_view_support.h"
#include "ui/window_watch.h"
#include "ui/window_fit.h"

namespace orvane::ui {

namespace {

using Column = std::array<TextBox, 10> orvane::DialogCity::*;

struct ColumnInfo {
    const char* name;
    Column member;
};

constexpr ColumnInfo kColumns[8] = {
    {"txtCityMinBS", &orvane::DialogCity::txtCityMinBS}, {"txtCityAmtBS", &orvane::DialogCity::txtCityAmtBS},
    {"txtCityPerBS", &orvane::DialogCity::txtCityPerBS}, {"txtCityMinBM", &orvane::DialogCity::txtCityMinBM},
    {"txtCityAmtBM", &orvane::DialogCity::txtCityAmtBM}, {"txtCityPerBM", &orvane::DialogCity::txtCityPerBM},
    {"txtCitySgExp", &orvane::DialogCity::txtCitySgExp}, {"txtCityMarExp", &orvane::DialogCity::txtCityMarExp},
};

}  // namespace

DialogCity::DialogCity(Session& session, QWidget* parent)
    : SettingsDialog(
          session, "DialogCity", [&session] { session.dialogCity(); }, [&session] { session.DialogCity_CancelButton_Click(); }, parent) {

    auto makeColumnBox = [&](int column, int row) {
        return m_columns[column][row] =
                   m_bind->text(new QLineEdit, QString("%1_%2").arg(kColumns[column].name).arg(row),
                                m_bind->of(kColumns[column].member, static_cast<size_t>(row)), Entry::Numeric);
    };

    auto makeTable = [&](const char* title, int firstColumn, const char* objectName) {
        auto* frame = new BracketTableBox(3, QString::fromUtf8(title), objectName);
        frame->addHeadings({columnHeadingLabel(orvane::DialogCity::Biweekly),
                            columnHeadingLabel(orvane::DialogCity::HeadMinimum),
                            columnHeadingLabel(orvane::DialogCity::HeadAmount),
                            columnHeadingLabel(orvane::DialogCity::HeadPercent)});
        frame->addHeadings({columnHeadingLabel(orvane::DialogCity::HeadLine)});
        for (int row = 0; row < 10; ++row)
            frame->addRow(new QLabel(QString::number(row + 1)), {makeColumnBox(firstColumn, row),
                                                                 makeColumnBox(firstColumn + 1, row),
                                                                 makeColumnBox(firstColumn + 2, row)});
        return frame;
    };

    auto* exemptions = new BracketTableBox(2, QString::fromUtf8(orvane::DialogCity::Biweekly), "frameExemptions");
    exemptions->addHeadingOverBoxes(columnHeadingLabel(orvane::DialogCity::HeadAllowance));
    exemptions->addHeadings({columnHeadingLabel(orvane::DialogCity::HeadExemptions),
                             columnHeadingLabel(orvane::DialogCity::HeadSingle),
                             columnHeadingLabel(orvane::DialogCity::HeadMarried)});
    for (int k = 0; k < 10; ++k)
        exemptions->addRow(new QLabel(QString::number(k)), {makeColumnBox(6, k), makeColumnBox(7, k)});

    auto* tables = new QHBoxLayout;
    tables->addWidget(makeTable(orvane::DialogCity::FrameSingle, 0, "frameSingle"));
    tables->addWidget(makeTable(orvane::DialogCity::FrameMarried, 3, "frameMarried"));
    tables->addWidget(exemptions);

    auto* warning = new QLabel(QString::fromUtf8(orvane::DialogCity::Warning));
    warning->setObjectName("lblWarning");
    auto* warningText = new QLabel(QString::fromUtf8(orvane::DialogCity::WarningText));
    auto* note = new QLabel(QString::fromUtf8(orvane::DialogCity::Note));
    note->setWordWrap(true);

    m_ckNoLocalTax = m_bind->check(new QCheckBox, "ckNoLocalTax", m_bind->of(&orvane::DialogCity::ckNoLocalTax),
                                   [this] { refresh(); });

    auto button = [&](CommandButton orvane::DialogCity::*member, const char* objectName, std::function<void()> clicked) {
        auto* pb = new QPushButton;
        pb->setAutoDefault(false);
        m_bind->button(pb, objectName, m_bind->of(member), std::move(clicked));
        return pb;
    };
    auto* cmdDefault = button(&orvane::DialogCity::cmdDefault, "cmdDefault", [this] {
        model().cmdDefault_Click();
        refresh();
    });
    auto* cmdClearMe = button(&orvane::DialogCity::cmdClearMe, "cmdClearMe", [this] {
        model().cmdClearMe_Click();
        refresh();
    });
    auto* okButton = button(&orvane::DialogCity::OKButton, "OKButton", [this] {
        m_session.DialogCity_OKButton_Click();
        if (m_session.hasDialogCity()) return;  // a refused box: the window stays for the correction
        closeByButton();
    });
    auto* cancelButton = button(&orvane::DialogCity::CancelButton, "CancelButton", [this] {
        m_session.DialogCity_CancelButton_Click();
        closeByButton();
    });

    auto* bottom = new QHBoxLayout;
    auto* warnings = new QVBoxLayout;
    warnings->addWidget(warning);
    warnings->addWidget(warningText);
    warnings->addWidget(note);
    bottom->addLayout(warnings, 1);
    bottom->addWidget(m_ckNoLocalTax);
    for (auto* b : {cmdDefault, cmdClearMe, okButton, cancelButton}) bottom->addWidget(b);

    auto* tableArea = new QWidget;
    tableArea->setLayout(tables);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrollingArea(tableArea), 1);
    layout->addLayout(bottom);
    refresh();
    fitOnScreen(this);
}

QLineEdit* DialogCity::box(const char* column, int row) const {
    for (int c = 0; c < 8; ++c)
        if (std::strcmp(kColumns[c].name, column) == 0) return m_columns[c][row];
    return nullptr;
}

}  // namespace orvane::ui
