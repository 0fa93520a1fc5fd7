#include "ui/dialog_non_city.h"

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
#include "local/dialog_non_city.h"
#include "ui/binder.h"
#include "ui/bracket_table_box.h"
#include "ui/local_view_support.h"
#include "ui/window_watch.h"
#include "ui/window_fit.h"

namespace orvane::ui {

namespace {

struct ColumnInfo {
    const char* name;
    std::array<TextBox, 8> orvane::DialogNonCity::*member;
};

constexpr ColumnInfo kColumns[4] = {
    {"txtNonMinWk", &orvane::DialogNonCity::txtNonMinWk},
    {"txtNonExpWk", &orvane::DialogNonCity::txtNonExpWk},
    {"txtNonMinBi", &orvane::DialogNonCity::txtNonMinBi},
    {"txtNonExpBi", &orvane::DialogNonCity::txtNonExpBi},
};

}  // namespace

DialogNonCity::DialogNonCity(Session& session, QWidget* parent)
    : SettingsDialog(
          session, "DialogNonCity", [&session] { session.dialogNonCity(); },
          [&session] { session.DialogNonCity_CancelButton_Click(); }, parent) {

    auto makeBox = [&](int column, int row) {
        return m_columns[column][row] =
                   m_bind->text(new QLineEdit, QString("%1_%2").arg(kColumns[column].name).arg(row),
                                m_bind->of(kColumns[column].member, static_cast<size_t>(row)), Entry::Numeric);
    };
    auto makeTable = [&](const char* period, int firstColumn, const char* objectName) {
        auto* frame = new BracketTableBox(2, {}, objectName);
        frame->addWideHeading(columnHeadingLabel(period));
        frame->addWideHeading(columnHeadingLabel(orvane::DialogNonCity::FrameTable));
        frame->addHeadings({columnHeadingLabel(orvane::DialogNonCity::HeadLine),
                            columnHeadingLabel(orvane::DialogNonCity::HeadMinimum),
                            columnHeadingLabel(orvane::DialogNonCity::HeadSubtract)});
        for (int row = 0; row < 8; ++row)
            frame->addRow(new QLabel(QString::number(row + 1)), {makeBox(firstColumn, row), makeBox(firstColumn + 1, row)});
        return frame;
    };

    auto* tables = new QHBoxLayout;
    tables->addWidget(makeTable(orvane::DialogNonCity::FrameWeekly, 0, "frameWeekly"));
    tables->addWidget(makeTable(orvane::DialogNonCity::FrameBiweekly, 2, "frameBiweekly"));

    m_txtNonPer = m_bind->text(new QLineEdit, "txtNonPer", m_bind->of(&orvane::DialogNonCity::txtNonPer), Entry::Numeric);

    auto button = [&](CommandButton orvane::DialogNonCity::*member, const char* objectName, std::function<void()> clicked) {
        auto* pb = new QPushButton;
        pb->setAutoDefault(false);
        m_bind->button(pb, objectName, m_bind->of(member), std::move(clicked));
        return pb;
    };
    auto* cmdDefault = button(&orvane::DialogNonCity::cmdDefault, "cmdDefault", [this] {
        model().deFault();
        refresh();
    });
    auto* okButton = button(&orvane::DialogNonCity::OKButton, "OKButton", [this] {
        m_session.DialogNonCity_OKButton_Click();
        if (m_session.hasDialogNonCity()) return;  // a refused box: the window stays
        closeByButton();
    });
    auto* cancelButton = button(&orvane::DialogNonCity::CancelButton, "CancelButton", [this] { close(); });

    auto* rate = new QVBoxLayout;
    rate->addWidget(columnHeadingLabel(orvane::DialogNonCity::HeadPercent));
    rate->addWidget(m_txtNonPer);
    rate->addWidget(new QLabel(QString::fromUtf8(orvane::DialogNonCity::Warning)));
    rate->addWidget(new QLabel(QString::fromUtf8(orvane::DialogNonCity::WarningText)));
    rate->addStretch();
    tables->addLayout(rate);
    auto* tableArea = new QWidget;
    tableArea->setLayout(tables);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (auto* b : {cmdDefault, okButton, cancelButton}) buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrollingArea(tableArea), 1);
    layout->addLayout(buttons);
    refresh();
    fitOnScreen(this);
}

QLineEdit* DialogNonCity::box(const char* column, int row) const {
    if (std::strcmp(column, "txtNonPer") == 0) return m_txtNonPer;
    for (int c = 0; c < 4; ++c)
        if (std::strcmp(kColumns[c].name, column) == 0) return m_columns[c][row];
    return nullptr;
}

}  // namespace orvane::ui
