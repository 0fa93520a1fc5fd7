#include "core/form2.h"

#include "core/money.h"

namespace orvane {

namespace {
bool blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }
}  // namespace

Form2::Form2(bool weekly) : m_weekly(weekly) {
    for (int i = 0; i < 52; ++i) Label2[i].caption = std::to_string(i + 1);
    Text1[26].tip = "You have to go back 26 pay periods.";
    txtOT[51].tip = "Fill in your o.t. for the past 26 weeks";
    lbAnnual = makeLabel("Annual Salary");
    txtAnnual.tip = "Look on your pay stub for SALARY";
    lbPer = makeLabel("Enter Your Approved Percentage");
    Label6 = makeLabel("OverTime Earned");
    lbEarned.tip = "Total from O.T. Only boxes";
    Label8 = makeLabel("You are at");
    txtPercent.tip = "Present percent rate";
    Label11 = makeLabel("Max. allowable amount at approved percentage ");
    lbMax.tip = "Your limit at the approved % rate";
    Label12 = makeLabel("Available overtime left");
    lbAvail.tip = "The difference";
    Label15 = makeLabel("On:");
    Label9 = makeLabel("OT Earned:");
    cmdADD = makeButton("&TOTAL");
    cmdAdvance = makeButton("&New Week", "Move up one pay period. Delete 1st wk, add new 26wk.");
    cmdUndo = makeButton("&Undo", "ONLY BACK TO WHEN FIRST OPENED");
    cmdPrint = makeButton("&Print");
    cmdPreview = makeButton("Pre&view...");  // the print preview of the same picture
    cmdClose = makeButton("&Back");
    setFrequency(weekly);
}

void Form2::setFrequency(bool weekly) {
    m_weekly = weekly;
    secondBlockVisible = weekly;
    Width = weekly ? kWeeklyWidth : kBiWeeklyWidth;
    for (int i = 26; i < 52; ++i) Label2[i].visible = Text1[i].visible = txtOT[i].visible = weekly;
}

void Form2::Form_Load(const OvertimeTable& table) {
    FillInOT(table);
    for (auto& box : txtOT)
        if (box.text.empty()) box.text = "0";
}

void Form2::FillInOT(const OvertimeTable& t) {
    txtAnnual.text = shortestText(t.AnnualSalary);
    txtApPercent.text = shortestText(t.ApprovedPercent);
    if (blank(txtAnnual.text) || readNumber(txtAnnual.text) == 0.0) txtAnnual.text = "15600";
    for (int i = 0; i < rows(); ++i) {
        Text1[i].text = t.OtDates[i];
        txtOT[i].text = t.OtAmounts[i];
    }
}

void Form2::showResults(const OvertimeTable& t) {
    lbEarned.caption = formatAmount(t.OtEarned, AmountFormat::DollarsOptional);
    txtPercent.text = formatAmount(t.PresentPercent, AmountFormat::Percent);
    lbMax.caption = formatAmount(t.OtMaxAmount, AmountFormat::DollarsOptional);
    lbAvail.caption = formatAmount(t.OtAvailable, AmountFormat::DollarsOptional);
}

std::optional<std::vector<std::string>> Form2::cmdADD_Click(OvertimeTable& t) {
    const double annual = readNumber(txtAnnual.text), percent = readNumber(txtApPercent.text);
    // A salary of 0 cannot carry a percentage: the present percentage would divide by zero.
    if (blank(txtAnnual.text) || blank(txtApPercent.text) || annual == 0.0)
        return std::vector<std::string>{"Please enter amounts in", "Annual Salary and", "Approved Percent Boxes."};
    double earned = 0;
    for (int i = 0; i < rows(); ++i) {
        if (txtOT[i].text.empty()) txtOT[i].text = "0";
        earned += readNumber(txtOT[i].text);
    }
    t.OtEarned = static_cast<float>(earned);
    t.PresentPercent = static_cast<float>(t.OtEarned / annual);
    t.AnnualSalary = static_cast<float>(annual);
    t.ApprovedPercent = static_cast<float>(percent);
    t.OtMaxAmount = static_cast<float>(percent * 0.01 * annual);
    // What is left is the difference of the two amounts as kept and shown.
    t.OtAvailable = t.OtMaxAmount - t.OtEarned;
    showResults(t);
    return std::nullopt;
}

void Form2::cmdAdvance_Click() {
    const int last = rows() - 1;
    for (int i = 0; i < last; ++i) {
        Text1[i].text = Text1[i + 1].text;
        txtOT[i].text = txtOT[i + 1].text;
    }
    Text1[last].text.clear();
    txtOT[last].text = "0";
}

void Form2::takeRows(OvertimeTable& t) {
    for (int i = 0; i < rows(); ++i) {
        if (txtOT[i].text.empty()) txtOT[i].text = "0";
        t.OtDates[i] = Text1[i].text;
        t.OtAmounts[i] = txtOT[i].text;
    }
}

void Form2::ClearAll(OvertimeTable& t) {
    for (int i = 0; i < rows(); ++i) {
        txtOT[i].text = t.OtAmounts[i] = "0";
        Text1[i].text.clear();
        t.OtDates[i].clear();
    }
    if (readNumber(txtAnnual.text) == 0.0) txtAnnual.text = "11440";
    txtApPercent.text = "0";
    t.OtEarned = 0;
    t.PresentPercent = 0;
    t.AnnualSalary = 11440;
    t.ApprovedPercent = 0;
    t.OtMaxAmount = static_cast<float>(readNumber(txtApPercent.text) * 0.01 * readNumber(txtAnnual.text));
    t.OtAvailable = t.OtMaxAmount - t.OtEarned;
    showResults(t);
}

std::optional<Form2::Cell> Form2::navigate(Cell from, Key key) const {
    const int last = rows() - 1;
    switch (key) {
    case Key::Enter: return Cell{from.column, from.row == last ? 0 : from.row + 1};
    case Key::Up: return from.row == 0 ? std::nullopt : std::optional<Cell>(Cell{from.column, from.row - 1});
    case Key::Down: return from.row == last ? std::nullopt : std::optional<Cell>(Cell{from.column, from.row + 1});
    case Key::Right:
        return from.column == Column::Date ? std::optional<Cell>(Cell{Column::Amount, from.row}) : std::nullopt;
    case Key::Left:
        return from.column == Column::Amount ? std::optional<Cell>(Cell{Column::Date, from.row}) : std::nullopt;
    }
    return std::nullopt;
}

}  // namespace orvane
