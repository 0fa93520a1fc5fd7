#include "ledger/frm_year.h"

#include <type_traits>
#include <variant>

#include "ledger/ytd_columns.h"

namespace orvane {

namespace {

// Each amount formatted as the type it is: a single from its own shortest text.
template <typename T>
std::string plain(T value) { return formatAmount(value, AmountFormat::Plain); }

// An amount as the main window shows it, again in "#####.00"; an empty label stays empty.
std::string plainFromShown(const std::string& caption) {
    if (caption.find_first_not_of(' ') == std::string::npos) return {};
    return plain(readFormatted(caption));
}

// The row field behind each amount column.
float YtdRow::* rowField(frmYear::Column c) { return kYtdColumns[c].member; }

}  // namespace

// ---- the grid ---------------------------------------------------------------------------------

frmYear::frmYear() {
    for (int i = 0; i < 52; ++i) {
        Label2[i].caption = std::to_string(i + 1);
        Label2[i].tip = frameTip;
    }
    for (auto& block : captions)
        for (int c = 0; c < kColumns; ++c) block[c].caption = kYtdColumns[c].gridCaption;
    for (auto& l : Label14) l.caption = "LEFT CLICK ON WEEK NUMBER TO PASTE IN DATA.     RIGHT CLICK TO DELETE ROW";
    cmdBack = makeButton("&Close");
}

std::string& frmYear::cell(int row, Column column) {
    return const_cast<std::string&>(static_cast<const frmYear*>(this)->cell(row, column));
}

const std::string& frmYear::cell(int row, Column column) const {
    if (column < Date || column >= kColumns) column = Date;
    return std::visit(
        [&](auto cells) -> const std::string& {
            const auto& cell = (this->*cells)[row];
            if constexpr (std::is_same_v<std::decay_t<decltype(cell)>, Label>) return cell.caption;
            else return cell.text;
        },
        kYtdColumns[column].cells);
}

void frmYear::fill(const YtdLedger& ledger, bool weekly, bool plainAmounts) {
    for (int i = 0; i < ledgerRowsInUse(weekly); ++i) {
        const YtdRow& row = ledger.rows[i];
        cell(i, Date) = row.WeekEnding;
        for (int c = Fed; c < kColumns; ++c) {
            const float v = row.*rowField(Column(c));
            cell(i, Column(c)) = plainAmounts ? plain(v) : shortestText(v);
        }
    }
}

void frmYear::setDeductionCaptions(const std::array<std::string, 5>& names, bool weekly) {
    for (int k = 0; k < 5; ++k) {
        captions[0][Muni + k].caption = names[k];
        if (weekly) captions[1][Muni + k].caption = names[k];
    }
}

void frmYear::Update(YtdLedger& ledger, bool weekly) const {
    for (int i = 0; i < ledgerRowsInUse(weekly); ++i) {
        YtdRow& row = ledger.rows[i];
        row.WeekEnding = cell(i, Date);
        for (int c = Fed; c < kColumns; ++c) row.*rowField(Column(c)) = static_cast<float>(readNumber(cell(i, Column(c))));
    }
}

void frmYear::PasteMe(int index, const Form1& main, const PayResult& pay, YtdLedger& ledger) {
    if (index < 0 || index >= kLedgerRows) return;
    cell(index, Date) = main.txtWeek.text;
    for (int k = 0; k < 11; ++k) cell(index, Column(Fed + k)) = plainFromShown(main.lbTaxDed[k].caption);
    cell(index, OT) = plain(pay.TotalOt);
    cell(index, Tips) = plain(pay.TotalTips);
    cell(index, Gross) = plain(pay.GrossPay);
    cell(index, Net) = plain(pay.NetPay);
    YtdRow& row = ledger.rows[index];
    row.Sdi = static_cast<float>(readNumber(plainFromShown(main.lbSDI.caption)));
    row.Sui = static_cast<float>(readNumber(plainFromShown(main.lbSUI.caption)));
    row.Cafe = static_cast<float>(readNumber(plainFromShown(main.lbCafe.caption)));
}

void frmYear::DeleteRow(int index, YtdLedger& ledger) {
    if (index < 0 || index >= kLedgerRows) return;
    for (int c = Date; c < kColumns; ++c) cell(index, Column(c)) = "0";
    YtdRow& row = ledger.rows[index];
    row.Sdi = row.Sui = row.Cafe = 0;
}

void frmYear::ClearAll(bool weekly, YtdLedger& ledger) {
    for (int i = 0; i < ledgerRowsInUse(weekly); ++i)
        for (int c = Date; c < kColumns; ++c) cell(i, Column(c)) = "0";
    for (auto& row : ledger.rows) row.Sdi = row.Sui = row.Cafe = 0;
}

// ---- the totals strip ---------------------------------------------------------------------------

frmYearTot::frmYearTot() {
    constexpr std::array<const char*, 14> line1 = {"Federal", "SS",    "Medi",   "State", "City", "MCU", "Bond",
                                                   "Dues",    "Pension", "Misc.", "K-Plan", "OT",   "Net", "Gross"};
    for (int i = 0; i < 14; ++i) captions[i].caption = line1[i];
    lbTotals.caption = "TOTALS:";
    lbCafe.caption = "Cafeteria Plan:";
    lbSdi.caption = "SDI:";
    lbSui.caption = "SUI:";
    lbTips.caption = "Tips:";
    lbNotice.caption = "Totals are recomputed from the rows; typed totals do not last.";
}

std::array<TextBox*, 18> frmYearTot::boxes() {
    return {&txtTotFed,  &txtTotSS,  &txtTotMedi,  &txtTotState, &txtTotCity, &txtTotMuni,
            &txtTotBond, &txtTotDues, &txtTotPen,  &txtTotMisc,  &txtTotKplan, &txtTotOT,
            &txtTotGross, &txtTotNet, &txtTotCafe, &txtTotSdi,   &txtTotSui,  &txtTotTips};
}

void frmYearTot::show(const YtdTotals& t, bool plainAmounts) {
    for (const auto& c : kYtdColumns) {
        if (!c.box) continue;
        std::visit(
            [&](auto total) {
                if constexpr (!std::is_same_v<decltype(total), std::monostate>) {
                    const auto value = t.*total;
                    (this->*c.box).text = plainAmounts ? plain(value) : shortestText(value);
                }
            },
            c.total);
    }
}

void frmYearTot::setDeductionCaptions(const std::array<std::string, 5>& names) {
    for (int k = 0; k < 5; ++k) captions[5 + k].caption = names[k];
}

// ---- the window -----------------------------------------------------------------------------------

MDIForm1::MDIForm1() {
    const auto item = [](const char* name, const char* caption) {
        Form1Menu m;
        m.name = name;
        m.item.caption = caption;
        return m;
    };
    menus = {
        {"mnuClose", "&Close", {}},
        // "&Print" opens a menu of its print command and the print preview.
        {"mnuPrint", "&Print", {item("mnuPrintLedger", "&Print"), item("mnuPrintPreview", "Print Pre&view...")}},
        {"mnuClear", "C&lear", {item("mnuClearAll", "&Clear All"), item("mnuRestore", "&Restore...")}},
        {"mnuAdd", "&Add", {}},
        {"mnuExcel", "&Excel", {}},
    };
}

MenuItem* MDIForm1::menu(const std::string& name) {
    for (auto& title : menus)
        for (auto& m : title.items)
            if (m.name == name) return &m.item;
    return nullptr;
}

void MDIForm1::setFrequency(bool weekly) {
    grid.Height = weekly ? frmYear::kWeeklyHeight : frmYear::kBiWeeklyHeight;
    totals.Top = grid.Height;
}

LedgerAsShown ledgerAsShown(const frmYear& grid, const frmYearTot& totals, bool weekly) {
    LedgerAsShown shown;
    shown.weekly = weekly;
    shown.rows.resize(ledgerRowsInUse(weekly));
    for (size_t i = 0; i < shown.rows.size(); ++i)
        for (int c = 0; c < frmYear::kColumns; ++c) shown.rows[i][c] = grid.cell(int(i), frmYear::Column(c));
    for (int c = frmYear::Fed; c < frmYear::kColumns; ++c) shown.totals[c] = (totals.*kYtdColumns[c].box).text;
    shown.sdi = totals.txtTotSdi.text;
    shown.sui = totals.txtTotSui.text;
    shown.cafe = totals.txtTotCafe.text;
    shown.tips = totals.txtTotTips.text;
    return shown;
}

}  // namespace orvane
