#pragma once
// The year-to-date window "Year To Date" (MDIForm1) with its two child windows: the ledger grid
// frmYear and the totals strip frmYearTot. The grid is a view of the ledger's rows that the
// ledger procedures keep in step with them; the strip shows YtdTotals.

#include <array>
#include <string>
#include <vector>

#include "core/controls.h"
#include "core/form1.h"
#include "core/pay_records.h"
#include "ledger/ytd_ledger.h"

namespace orvane {

class frmYear {
public:
    frmYear();

    static constexpr int kWeeklyHeight = 12075, kBiWeeklyHeight = 6130, kLoadBiWeeklyHeight = 6165;  // twips
    static constexpr int kWidth = 11400;
    int Height = kWeeklyHeight;

    // The columns of a row, left to right after the week number, and their left edges in twips.
    enum Column { Date, Fed, SS, Medi, State, City, Muni, Bond, Dues, Pen, Misc, Kplan, Tips, OT, Net, Gross, kColumns };
    static constexpr std::array<int, kColumns> kColumnLeft = {516,  1272, 1956, 2604, 3264, 3912, 4572, 5220,
                                                              5880, 6528, 7188, 7836, 8484, 9120, 9768, 10584};

    std::array<Label, 52> Label2;  // week numbers "1".."52": the click targets
    // Read-only cells.
    std::array<Label, 52> txtDate, txtFed, txtSS, txtMedi, txtState, txtCity, txtMuni, txtBond, txtDues, txtPen,
        txtMisc, txtKplan, txtOT;
    // Editable cells: tips, the gross column (txtNet, captioned "Gross") and the net column
    // (txtGross, captioned "Net").
    std::array<TextBox, 52> txtTips, txtNet, txtGross;
    // The column captions above block 1 (lbWeek, Label1, Label3 ... Label17) and block 2 (Label13,
    // Label31 ... Label18), in column order.
    std::array<std::array<Label, kColumns>, 2> captions;
    std::array<Label, 2> Label14;  // the instruction line under each block
    std::string frameTip = "Click on a week number to paste in data.";
    CommandButton cmdBack;

    // The text of a cell, by row and column.
    std::string& cell(int row, Column column);
    const std::string& cell(int row, Column column) const;
    // The editable cells: "Net" and "Gross" take only "0123456789 -." and backspace; "Tips" all keys.
    static bool editable(Column column) { return column == Tips || column == Net || column == Gross; }
    static bool acceptsKey(Column column, char32_t key) {
        return column == Tips || acceptsNumericKey(key);
    }

    // The grid from the rows in use: the date unchanged, every amount as its shortest text
    // (plain = false, as after loading) or formatted "#####.00" (plain = true, fillBoxes).
    void fill(const YtdLedger& ledger, bool weekly, bool plain);
    // The five deduction columns take the user's deduction names; a bi-weekly user's second
    // block keeps its captions.
    void setDeductionCaptions(const std::array<std::string, 5>& names, bool weekly);
    // Update: the grid into the rows in use (Sdi, Sui and Cafe are left alone).
    void Update(YtdLedger& ledger, bool weekly) const;
    // PasteMe's cells: the main window's shown results and the pay result into row `index`; the
    // row's Sdi, Sui and Cafe from the shown labels.
    void PasteMe(int index, const Form1& main, const PayResult& pay, YtdLedger& ledger);
    // DeleteRow: every cell of the row "0", its Sdi, Sui and Cafe 0.
    void DeleteRow(int index, YtdLedger& ledger);
    // ClearAll: every cell of the rows in use "0"; Sdi, Sui and Cafe of all rows 0.
    void ClearAll(bool weekly, YtdLedger& ledger);
};

class frmYearTot {
public:
    frmYearTot();

    // Line 1: Federal ... Gross; txtTotGross shows YtdNet under "Net", txtTotNet YtdGross under "Gross".
    TextBox txtTotFed, txtTotSS, txtTotMedi, txtTotState, txtTotCity, txtTotMuni, txtTotBond, txtTotDues, txtTotPen,
        txtTotMisc, txtTotKplan, txtTotOT, txtTotGross, txtTotNet;
    // Line 2.
    TextBox txtTotCafe, txtTotSdi, txtTotSui, txtTotTips;
    // Captions of line 1, in box order; Label7 .. Label11 are the five deductions (index 5 to 9).
    std::array<Label, 14> captions;
    Label lbTotals, lbCafe, lbSdi, lbSui, lbTips, lbNotice;
    int Top = frmYear::kWeeklyHeight;

    // The boxes in line order: the fourteen of line 1, then cafeteria, SDI, SUI, tips.
    std::array<TextBox*, 18> boxes();
    // Every box formatted "#####.00" (plain = true, every recomputation) or as the shortest
    // text of its value (plain = false, on load).
    void show(const YtdTotals& totals, bool plain);
    void setDeductionCaptions(const std::array<std::string, 5>& names);
};

// The ledger as the window shows it, for the workbook: the cells of the rows in use in grid order,
// the totals line under its columns (none under the date) and the block of four more totals.
struct LedgerAsShown {
    bool weekly = true;
    std::vector<std::array<std::string, frmYear::kColumns>> rows;
    std::array<std::string, frmYear::kColumns> totals;
    std::string sdi, sui, cafe, tips;
};
LedgerAsShown ledgerAsShown(const frmYear& grid, const frmYearTot& totals, bool weekly);

class MDIForm1 {
public:
    MDIForm1();

    std::string Caption = "Year To Date";
    std::vector<Form1MenuTitle> menus;
    MenuItem* menu(const std::string& name);
    frmYear grid;
    frmYearTot totals;
    int Width = frmYear::kWidth + 425;
    bool normalState = true;
    bool visible = true;  // printing a check hides the window; opening it shows it again

    // Open command steps 2 and 3: the grid's height by frequency, the strip right under it.
    void setFrequency(bool weekly);

    // The close box: "USE CLOSE INSTEAD" unless the program closes the window.
    static constexpr const char* kUseCloseInstead = "USE CLOSE INSTEAD";
    // "     Do you want to save YTD"
    static constexpr const char* kSaveQuestion = "     Do you want to save YTD";
};

}  // namespace orvane
