#include "core/form1.h"

#include "core/money.h"

namespace orvane {

namespace {

Form1Menu item(const char* name, const char* caption, const char* shortcut = "", bool separatorAfter = false) {
    Form1Menu m;
    m.name = name;
    m.item.caption = caption;
    m.item.shortcut = shortcut;
    m.separatorAfter = separatorAfter;
    return m;
}

}  // namespace

Form1::Form1() {
    Label12 = makeLabel("WEEK ENDING:");
    txtWeek.tip = "Click for Date change";
    lbUser = makeLabel("USER");
    cmdPeriod = makeButton("Get Pay Period", "");
    cmdSavePrev = makeButton("Save This Pay Period", "");

    for (auto& box : txtAmount) box.tip = "Enter";
    entryLabels = {makeLabel("STRAIGHT TIME HOURS 1", "Pay rate 1"), makeLabel("STRAIGHT TIME HOURS 2", "Pay rate 2"),
                   makeLabel("O.T."), makeLabel("O.T. TIME AND 1/2 (1.5X)"), makeLabel("HOLIDAY IN HOURS"),
                   makeLabel("VACATION - SICK, IN HOURS"), makeLabel("PAY IN DOLLAR AMOUNT", "Use Dollar amount"),
                   makeLabel("TIPS (Hours)", "Use Dollar amount")};
    opt1x.caption = "(1X)";
    opt1x.value = true;
    opt2x.caption = "(2X)";

    const char* tags[18] = {"Federal Tax", "Soc Sec",   "Medicare", "State Tax", "City Tax", "Muni Cr Union",
                            "Bond",        "Union Dues", "Pension", "Misc.",     "K Plan",   "OverTime",
                            "GROSS PAY",   "NET PAY",   "SDI",      "SUI",       "Cafeteria Plan", "Tips"};
    for (int i = 0; i < 18; ++i) lbTaxTag[i] = makeLabel(tags[i]);
    Label4 = makeLabel("TAXES");
    Label6 = makeLabel("DEDUCTIONS");

    cmdClear = makeButton("", "Clear");
    cmdCal = makeButton("", "Results");
    cmdYear = makeButton("", "Year to Date");
    cmdOT = makeButton("", "OverTime");
    Command1 = makeButton("", "Vacation");
    cmdPrint = makeButton("", "Print");

    Label7 = makeLabel("Federal Table: Cir E - Pub15");
    lbTableNotice = makeLabel("Weekly Tax Tables");

    menus = {
        {"mnuFile", "File",
         {item("mnuNew", "&New", "Ctrl+N"), item("mnuOpen", "&Open", "Ctrl+O"), item("mnuSave", "&Save", "Ctrl+S", true),
          item("mnuChecks", "C&hecks", "Ctrl+H", true), item("mnuPrintSheetItem", "Print Sheet"),
          item("mnuPrintPreview", "Print Pre&view..."), item("mnuPrintItem", "&Print Image", "Ctrl+P", true), item("mnuClearIitem", "&Clear", "Ctrl+C"),
          item("mnuExitItem", "E&xit", "Ctrl+X")}},
        {"mnuForms", "Forms",
         {item("mnuVac", "&Vacation", "Ctrl+V"), item("mnuOtItem", "OT %"), item("mnuYear", "&Year to Date", "Ctrl+Y")}},
        {"mnuOptions", "Options",
         {item("mnuHeader", "H&eader", "Ctrl+E", true), item("mnuTaxInfoItem", "&User Info", "Ctrl+U", true),
          item("mnuState", "S&tate Tax", "Ctrl+T"), item("mnuCity", "C&ity Tax", "Ctrl+I"),
          item("mnuNonCity", "Non City Tax")}},
        {"mnuHelp", "Help", {item("mnuHelpItem", "He&lp", "Ctrl+L", true), item("mnuAboutItem", "&About", "Ctrl+A")}},
    };
}

MenuItem* Form1::menu(const std::string& name) {
    for (auto& title : menus)
        for (auto& m : title.items)
            if (m.name == name) return &m.item;
    return nullptr;
}

std::optional<int> Form1::txtAmount_KeyDown(int index, NavKey key) {
    switch (key) {
    case NavKey::Enter: return index == 7 ? 0 : index + 1;
    case NavKey::Up: return index == 0 ? std::nullopt : std::optional<int>(index - 1);
    case NavKey::Down: return index == 7 ? std::nullopt : std::optional<int>(index + 1);
    }
    return std::nullopt;
}

std::optional<int> Form1::refusedEntry() const {
    for (int i = 0; i < 8; ++i)
        if (!isWholeNumber(txtAmount[i].text)) return i;
    return std::nullopt;
}

std::variant<PayPeriodEntry, std::string> Form1::readEntries() {
    for (int i = 0; i < 8; ++i) {
        if (!isWholeNumber(txtAmount[i].text))
            return "The entry \"" + txtAmount[i].text + "\" in " + entryName(i) +
                   " is not a number. Correct it and calculate again.";
    }
    for (auto& box : txtAmount)
        if (readNumber(box.text) == 0.0) box.text = "0";
    auto value = [&](int i) { return static_cast<float>(readNumber(txtAmount[i].text)); };
    PayPeriodEntry e;
    e.StrHrs = value(0);
    e.StrHrs2 = value(1);
    e.OtVar = value(2);
    e.OtHrs = value(3);
    e.Avas = value(4);
    e.VacDys = value(5);
    e.Addit = Currency::fromDouble(readNumber(txtAmount[6].text));
    e.TipsHrs = value(7);
    e.opt2x = !opt1x.value;
    return e;
}

ResultCaptions Form1::resultsAsShown() const {
    ResultCaptions c;
    c.Label13 = Label13.caption;
    for (size_t i = 0; i < c.lbTaxDed.size(); ++i) c.lbTaxDed[i] = lbTaxDed[i].caption;
    c.lbSDI = lbSDI.caption;
    c.lbSUI = lbSUI.caption;
    c.lbCafe = lbCafe.caption;
    c.lbTaxes = lbTaxes.caption;
    c.lbDeduct = lbDeduct.caption;
    c.lbNet = lbNet.caption;
    return c;
}

void Form1::clearResultCaptions() {
    for (Label* l : {&Label13, &lbNet, &lbTaxes, &lbDeduct, &lbOverT, &lbTips}) l->caption.clear();
    for (auto& l : lbTaxDed) l.caption.clear();
}

void Form1::showResults(const PayResult& r) {
    // Generic, so that each amount is formatted as the type it is: a single from its own text.
    const auto money = [](auto v) { return formatAmount(v, AmountFormat::Thousands); };
    const auto dollars = [](auto v) { return formatAmount(v, AmountFormat::Dollars); };
    if (r.GrossLessKplan != 0.0f) Label13.caption = dollars(r.GrossPay);
    const float singles[9] = {r.FedTax, r.SocSecTax, r.MediTax, r.Muni, r.Bond, r.Dues, r.PensionAmt, r.Misc, r.KplanAmt};
    const int singleBoxes[9] = {0, 1, 2, 5, 6, 7, 8, 9, 10};
    for (int i = 0; i < 9; ++i) lbTaxDed[singleBoxes[i]].caption = money(singles[i]);
    lbTaxDed[3].caption = money(r.StateTax.value);
    lbTaxDed[4].caption = money(r.CityTax.value);
    lbSDI.caption = money(r.SdiTax);
    lbSUI.caption = money(r.SuiTax);
    lbCafe.caption = money(r.CafeAmt);
    lbTaxes.caption = dollars(r.TaxDeduct.value);
    lbDeduct.caption = dollars(r.TotDeduct.value);
    lbNet.caption = dollars(r.NetPay);
    lbOverT.caption = dollars(r.TotalOt);
    lbTips.caption = dollars(r.TotalTips);
}

void Form1::clearZeroEntries() {
    for (auto& box : txtAmount)
        if (readNumber(box.text) == 0.0) box.text.clear();
}

void Form1::Clear_All(const Date& today) {
    for (auto& box : txtAmount) box.text.clear();
    for (auto& l : lbTaxDed) l.caption.clear();
    for (Label* l : {&lbSDI, &lbSUI, &lbCafe, &Label13, &lbNet, &lbTaxes, &lbDeduct, &lbOverT, &lbTips})
        l->caption.clear();
    txtWeek.text = shortDate(today);
}

void Form1::setDeductionCaptions(const std::array<std::string, 5>& captions) {
    for (int i = 0; i < 5; ++i) lbTaxTag[5 + i].caption = captions[i];
}

void Form1::setTableNotice(bool biWeekly) {
    lbTableNotice.caption = biWeekly ? "Bi-Weekly Tax Tables" : "Weekly Tax Tables";
}

}  // namespace orvane
