#pragma once
// The main pay window: the eight entry boxes of a pay period, the result labels, the buttons and
// the menus. The flows behind its buttons that cross windows live in the session.

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/controls.h"
#include "core/date.h"
#include "core/pay_records.h"

namespace orvane {

// A menu item with its name in the program, caption, shortcut and a separator line after it.
struct Form1Menu {
    std::string name;
    MenuItem item;
    bool separatorAfter = false;
};

struct Form1MenuTitle {
    std::string name, caption;
    std::vector<Form1Menu> items;
};

enum class NavKey { Enter, Up, Down };

class Form1 {
public:
    Form1();

    std::string Caption = "KESTRAVO SOFTWARE";

    // Pay period.
    Label Label12, lbUser;
    TextBox txtWeek;
    CommandButton cmdPeriod, cmdSavePrev;

    // The frame "Hours": entry boxes, their labels and the overtime multiplier.
    std::string frameHours = "Hours";
    std::array<TextBox, 8> txtAmount;
    std::array<Label, 8> entryLabels;  // Label1, Label11, Label3, Label2, Label5, Label9, Label10, Label8
    OptionButton opt1x, opt2x;

    // Results and the taxes/deductions table.
    std::array<Label, 18> lbTaxTag;
    std::array<Label, 11> lbTaxDed;
    Label lbOverT, lbTips, Label13, Label4, lbTaxes, Label6, lbDeduct, lbNet, lbSDI, lbSUI, lbCafe;
    std::string frameResults = "Results", frameTaxes = "Taxes/Deductions";
    std::string frameClearAdd = "    CLEAR               ADD";
    std::string frameTools = "      YTD                 OT               VAC/HOL          PRINT";

    // Picture buttons.
    CommandButton cmdClear, cmdCal, cmdYear, cmdOT, Command1, cmdPrint;

    // Table notice.
    Label Label7, lbTaxVer, lbTableNotice;

    std::vector<Form1MenuTitle> menus;
    MenuItem* menu(const std::string& name);

    // txtAmount_KeyPress: whether the typed character is kept.
    static bool txtAmount_KeyPress(char32_t key) { return acceptsNumericKey(key); }
    // txtAmount_KeyDown: the box that gets the focus, or nothing when it stays.
    static std::optional<int> txtAmount_KeyDown(int index, NavKey key);

    // Step 6 of the calculation: boxes whose value is 0 show "0"; then the entries are read.
    // An entry that is not a number in whole is refused with a sentence naming its box.
    std::variant<PayPeriodEntry, std::string> readEntries();
    // The box readEntries refuses first, if any.
    std::optional<int> refusedEntry() const;
    // Steps 26, 33 and 37: the result labels from the results.
    void showResults(const PayResult& r);
    // The result labels as they read, for the stubs.
    ResultCaptions resultsAsShown() const;
    // Steps 1 and 4: the captions the calculation empties before it runs.
    void clearResultCaptions();
    // Step 38: boxes that hold zero become empty; the others keep their text.
    void clearZeroEntries();
    // Clear_All: empty entries and results, today's date in txtWeek.
    void Clear_All(const Date& today);

    void setDeductionCaptions(const std::array<std::string, 5>& captions);  // lbTaxTag(5..9)
    void setTableNotice(bool biWeekly);
    // The entry's label, for messages ("STRAIGHT TIME HOURS 1").
    const std::string& entryName(int index) const { return entryLabels[index].caption; }
};

}  // namespace orvane
