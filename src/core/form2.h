#pragma once
// The overtime percentage window "OverTime Percentage": a rolling table of the overtime earned in
// the last 52 weekly (26 bi-weekly) periods, totalled against the approved percentage of the
// annual salary. While the window exists its boxes hold the table.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/controls.h"
#include "core/form1.h"
#include "core/overtime_table.h"

namespace orvane {

class Form2 {
public:
    explicit Form2(bool weekly);

    std::string Caption = "OverTime Percentage";
    static constexpr int kWeeklyWidth = 7725, kBiWeeklyWidth = 5055;  // twips
    int Width = kWeeklyWidth;
    bool secondBlockVisible = true;  // rows 26 to 51 and their headings
    std::array<std::string, 3> headings = {"Week No.", " Week Ending", " O.T. Only"};

    std::array<Label, 52> Label2;  // "1".."52"
    std::array<TextBox, 52> Text1;  // date of each row
    std::array<TextBox, 52> txtOT;  // amount of each row
    Label lbAnnual, lbPer;
    TextBox txtAnnual, txtApPercent;
    // Results.
    Label Label6, lbEarned, Label8, Label11, lbMax, Label12, lbAvail;
    TextBox txtPercent;
    // The main window's date and overtime of the last calculation.
    Label Label15, lbWk, Label9, lb_OT;
    CommandButton cmdADD, cmdAdvance, cmdUndo, cmdPrint, cmdPreview, cmdClose;

    bool weekly() const { return m_weekly; }
    int rows() const { return overtimeRows(m_weekly); }
    // The main window sets the frequency when it opens the window: the second block shows only
    // for a weekly profile, and the width follows.
    void setFrequency(bool weekly);

    // Creation: the boxes from the table, then every empty amount box gets "0".
    void Form_Load(const OvertimeTable& table);
    // The boxes from the table.
    void FillInOT(const OvertimeTable& table);
    // "&TOTAL": the results into the table and the labels. The "Attention" message's lines when
    // the salary or percentage is missing; nothing is computed then.
    std::optional<std::vector<std::string>> cmdADD_Click(OvertimeTable& table);
    // "&New Week": every row moves up one; the last row gets amount "0" and no date.
    void cmdAdvance_Click();
    // "&Back" and the profile writer: the rows of the current frequency into the table (empty
    // amount boxes become "0" first).
    void takeRows(OvertimeTable& table);
    // A new user's empty table.
    void ClearAll(OvertimeTable& table);

    // Keyboard navigation: the box that gets the focus, or nothing when it stays.
    enum class Column { Date, Amount };
    enum class Key { Enter, Up, Down, Left, Right };
    struct Cell {
        Column column;
        int row;
        bool operator==(const Cell&) const = default;
    };
    std::optional<Cell> navigate(Cell from, Key key) const;

private:
    void showResults(const OvertimeTable& table);
    bool m_weekly;
};

}  // namespace orvane
