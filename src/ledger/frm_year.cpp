#include "ledger/frm_year.h"

namespace orvane {

namespace {

constexpr std::array<const char*, frmYear::kColumns> kCaptions = {
    "Week", "Federal", "SS", "Medi", "State", "City", "MCU", "Bond", "Dues", "Pension", "Misc.", "K-Plan", "Tips", "OT",
    "Net",  "Gross"};

// Each amount formatted as the type it is: a single from its own shortest text.
template <typename T>
std::string plain(T value) { return formatAmount(value, AmountFormat::Plain); }

// An amount as the main window shows it, again in "#####.00"; an empty label stays empty.
std::string plainFromShown(const std::string& caption) {
    if (caption.find_first_not_of(' ') == std::string::npos) return {};
    return plain(readFormatted(caption));
}

// The row field behind each amount column.
float YtdRow::* rowField(frmYear::Column c) {
    switch (c) {
        case frmYear::Fed: return &YtdRow::Fed;
        case frmYear::SS: return &YtdRow::SS;
        case frmYear::Medi: return &YtdRow::Medi;
        case frmYear::State: return &YtdRow::State;
        case frmYear::City: return &YtdRow::City;
        case frmYear::Muni: return &YtdRow::Muni;
        case frmYear::Bond: return &YtdRow::Bond;
        case frmYear::Dues: return &YtdRow::Dues;
        case frmYear::Pen: return &YtdRow::Pen;
        case frmYear::Misc: return &YtdRow::Misc;
        case frmYear::Kplan: return &YtdRow::Kplan;
        case frmYear::Tips: return &YtdRow::Tips;
        case frmYear::OT: return &YtdRow::OT;
        case frmYear::Net: return &YtdRow::Net;
        case frmYear::Gross: return &YtdRow::Gross;
        default: return nullptr;
    }
}

}  // namespace

// ---- the grid ---------------------------------------------------------------------------------

frmYear::frmYear() {
    for (int i = 0; i < 52; ++i) {
        Label2[i].caption = std::to_string(i + 1);
        Label2[i].tip = frameTip;
    }
    for (auto& block : captions)
        for (int c = 0; c < kColumns; ++c) block[c].caption = kCaptions[c];
    for (auto& l : Label14) l.caption = "LEFT CLICK ON WEEK NUMBER TO PASTE IN DATA.     RIGHT CLICK TO DELETE ROW";
    cmdBack = makeButton("&Close");
}

std::string& frmYear::cell(int row, Column column) {
    return const_cast<std::string&>(static_cast<const frmYear*>(this)->cell(row, column));
}

const std::string& frmYear::cell(int row, Column column) const {
    switch (column) {
        case Date: return txtDate[row].caption;
        case Fed: return txtFed[row].caption;
        case SS: return txtSS[row].caption;
        case Medi: return txtMedi[row].caption;
        case State: return txtState[row].caption;
        case City: return txtCity[row].caption;
        case Muni: return txtMuni[row].caption;
        case Bond: return txtBond[row].caption;
        case Dues: return txtDues[row].caption;
        case Pen: return txtPen[row].caption;
        case Misc: return txtMisc[row].caption;
        case Kplan: return txtKplan[row].caption;
        case Tips: return txtTips[row].text;
        case OT: return txtOT[row].caption;
        case Net: return txtGross[row].text;
        case Gross: return txtNet[row].text;
        default: return txtDate[row].caption;
    }
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
    auto all = boxes();
    const float singles[14] = {t.YtdFed, t.YtdSS,  t.YtdMedi, t.YtdState, t.YtdCity, t.YtdMuni, t.YtdBond,
                               t.YtdDues, t.YtdPen, t.YtdMisc, t.YtdKplan, t.YtdCafe, t.YtdSdi,  t.YtdSui};
    TextBox* const singleBoxes[14] = {all[0], all[1], all[2],  all[3],  all[4],  all[5],  all[6],
                                      all[7], all[8], all[9], all[10], all[14], all[15], all[16]};
    const Currency fixed[4] = {t.YtdOT, t.YtdNet, t.YtdGross, t.YtdTips};
    TextBox* const fixedBoxes[4] = {all[11], all[12], all[13], all[17]};
    for (int i = 0; i < 14; ++i) singleBoxes[i]->text = plainAmounts ? plain(singles[i]) : shortestText(singles[i]);
    for (int i = 0; i < 4; ++i) fixedBoxes[i]->text = plainAmounts ? plain(fixed[i]) : shortestText(fixed[i]);
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
        {"mnuClear", "C&lear", {item("mnuClearAll", "&Clear All")}},
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

}  // namespace orvane
