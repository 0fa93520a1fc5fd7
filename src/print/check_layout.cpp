#include "print/check_layout.h"

#include <algorithm>
#include <cmath>

#include "core/money.h"

namespace orvane {

int horizontalShift(float cboHorz) { return static_cast<int>(std::nearbyint(cboHorz)); }
int verticalShift(float cboVert) { return static_cast<int>(std::nearbyint(cboVert + 3.0f)); }

namespace {

const std::string kRule198(198, '-');

class ShiftedPage {
public:
    ShiftedPage(PrintDocument& doc, int h) : m_doc(doc), m_h(h) {}
    void at(int column, const std::string& text) {
        if (!text.empty()) m_doc.at(std::max(1, m_h + column), text);
    }

private:
    PrintDocument& m_doc;
    int m_h;
};

void printStub(PrintDocument& doc, ShiftedPage& page, const CheckInputs& in, const StubFigures& f, int emptyLines) {
    const StubInputs& s = in.stub;
    const auto& p = s.profile;
    const auto& l = s.labels;
    const auto& y = s.ytd;
    const auto hours = [&s](int box) { return rateText(readNumber(s.txtAmount[static_cast<size_t>(box)])); };

    page.at(5, in.boxes.txtPayTo);
    page.at(45, in.boxes.txtUserSSnum);
    page.at(65, "For Week Ending: " + s.txtWeek);
    page.at(125, in.boxes.txtCheckDate);
    doc.newLine();
    page.at(5, "Description");
    page.at(30, "Rate");
    page.at(45, "Hours");
    page.at(55, "Earnings");
    page.at(65, "Taxes/Deduct");
    page.at(102, "Current");
    page.at(125, "YTD");
    doc.newLine();
    page.at(5, kRule198);
    doc.newLine();

    struct Row {
        std::string caption, rate, hours, earnings;
        std::string right, current;
        float ytd;
    };
    const std::string none;
    const Row rows[14] = {
        {"Regular1 Earning", rateText(p.txtHourRate), hours(0), amountText(s.StraightPay1), "Federal Tax", l.lbTaxDed[0], y.YtdFed},
        {"Regular2 Earning", rateText(p.txtHourRate2), hours(1), amountText(s.StraightPay2), "Social Security Tax", l.lbTaxDed[1], y.YtdSS},
        {"O.T. 1x / 2x Earned", rateText(f.ot1xRate), hours(2), amountText(f.ot1xPay), "Medicare Tax", l.lbTaxDed[2], y.YtdMedi},
        {"O.T. 1.5x Earned", rateText(f.ot15Rate), hours(3), amountText(f.ot15Pay), "State Tax", l.lbTaxDed[3], y.YtdState},
        {"Holiday", rateText(p.txtHourRate), hours(4), amountText(f.holidayPay), "City Tax", l.lbTaxDed[4], y.YtdCity},
        {"Vacation/Sick", rateText(p.txtHourRate), hours(5), amountText(f.vacationPay), "State Disability Ins", l.lbSDI, y.YtdSdi},
        {"Adjustment", hours(6), none, amountText(s.entry.Addit), "State Unemployment Ins", l.lbSUI, y.YtdSui},
        {"Tips", rateText(p.txtTipsRate), rateText(s.entry.TipsHrs), amountText(f.MyTips), p.txtTax5, l.lbTaxDed[5], y.YtdMuni},
        {none, none, none, none, p.txtTax6, l.lbTaxDed[6], y.YtdBond},
        {none, none, none, none, p.txtTax7, l.lbTaxDed[7], y.YtdDues},
        {none, none, none, none, p.txtTax8, l.lbTaxDed[8], y.YtdPen},
        {none, none, none, none, p.txtTax9, l.lbTaxDed[9], y.YtdMisc},
        {none, none, none, none, "K-Plan", l.lbTaxDed[10], y.YtdKplan},
        {none, none, none, none, "Cafeteria Plan", l.lbCafe, y.YtdCafe},
    };
    for (const auto& r : rows) {
        page.at(5, r.caption);
        page.at(30, r.rate);
        page.at(45, r.hours);
        page.at(55, r.earnings);
        page.at(65, r.right);
        page.at(102, labelAmount(r.current));
        page.at(125, amountText(r.ytd));
        doc.newLine();
    }
    doc.newLine(emptyLines);

    page.at(30, "Earnings");
    page.at(50, "Taxes");
    page.at(65, "Deductions");
    page.at(85, "Net Pay");
    doc.newLine();
    page.at(5, "Current");
    page.at(30, labelAmount(l.Label13));
    page.at(50, labelAmount(l.lbTaxes));
    page.at(65, labelAmount(l.lbDeduct));
    page.at(85, labelAmount(l.lbNet));
    doc.newLine();
    page.at(5, "YTD");
    page.at(30, amountText(y.YtdGross));
    page.at(50, amountText(f.ytdTaxes));
    page.at(65, amountText(f.ytdDeductions));
    page.at(85, amountText(y.YtdNet));
    doc.newLine();
}

}  // namespace

PrintDocument PrintCheck(const CheckInputs& in) {
    const StubFigures f = stubFigures(in.stub);
    const CheckBoxes& b = in.boxes;
    PrintDocument doc;
    // Lines set solid: the check and both stubs then fit one Letter page at every vertical offset
    // from -5 to +5, with room left for a printer's margins.
    doc.lineSpacing = 1.0;
    ShiftedPage page(doc, in.H);
    doc.orientation(PageOrientation::Portrait);
    doc.font("Arial", 11);
    if (in.V >= 0) doc.newLine(in.V + 1);
    page.at(107, b.txtCheckDate);
    doc.newLine(3);
    page.at(15, b.txtPayTo);
    page.at(102, b.txtCheckAmt);
    doc.newLine(2);
    page.at(5, "*****" + in.AmountWords + "*****");
    doc.newLine(2);
    page.at(15, b.txtUserName);
    page.at(75, b.txtUserSSnum);
    doc.newLine();
    page.at(15, b.txtUserAddress);
    doc.newLine();
    page.at(15, b.txtUserState);
    doc.newLine(2);
    page.at(10, b.txtMemo);
    doc.newLine();

    doc.font("Arial", 8);
    doc.newLine(10);
    printStub(doc, page, in, f, 2);
    doc.newLine(7);
    printStub(doc, page, in, f, 1);
    doc.end();
    return doc;
}

}  // namespace orvane
