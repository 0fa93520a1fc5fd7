#include "print/pay_stub.h"

#include "core/money.h"
#include "core/tax_year.h"

namespace orvane {

StubFigures stubFigures(const StubInputs& in) {
    StubFigures s;
    const auto& p = in.profile;
    const auto& e = in.entry;
    const auto& y = in.ytd;
    s.m = in.opt1x ? 1.0f : 2.0f;
    s.holidayPay = p.txtHourRate * e.Avas;
    s.vacationPay = e.VacDys * in.PayRate;
    s.ot1xRate = s.m * in.PayRate;
    s.ot1xPay = static_cast<float>(readNumber(in.txtAmount[2])) * s.m * in.PayRate;
    s.ot15Rate = in.PayRate * 1.5f;
    s.ot15Pay = e.OtHrs * 1.5f * in.PayRate;
    s.MyTips = p.txtTipsRate * e.TipsHrs;
    s.ytdTaxes = y.YtdFed + y.YtdSS + y.YtdMedi + y.YtdState + y.YtdCity + y.YtdSdi + y.YtdSui;
    s.ytdDeductions = y.YtdMuni + y.YtdBond + y.YtdDues + y.YtdPen + y.YtdMisc + y.YtdKplan + y.YtdCafe;
    return s;
}

std::string rateText(double value) { return formatAmount(value, AmountFormat::Short); }
std::string rateText(float value) { return formatAmount(value, AmountFormat::Short); }
std::string amountText(double value) { return formatAmount(value, AmountFormat::Plain); }
std::string amountText(float value) { return formatAmount(value, AmountFormat::Plain); }
std::string amountText(Currency value) { return formatAmount(value, AmountFormat::Plain); }
std::string labelAmount(const std::string& caption) {
    if (caption.find_first_not_of(' ') == std::string::npos) return {};
    return amountText(readFormatted(caption));
}

std::string threePartVersion(const std::string& version) {
    std::string v = version.empty() ? "0" : version;
    int dots = 0;
    for (char c : v) dots += c == '.';
    for (; dots < 2; ++dots) v += ".0";
    return v;
}

namespace {

const std::string kRule203(203, '-');
const std::string kRule198(198, '-');

// Prints a text only when there is one, so an empty label leaves its column alone.
void atIfAny(PrintDocument& doc, int column, const std::string& text) {
    if (!text.empty()) doc.at(column, text);
}

}  // namespace

PrintDocument PrintText(const PayStubInputs& in) {
    const StubInputs& s = in.stub;
    const StubFigures f = stubFigures(s);
    const auto& p = s.profile;
    const auto& l = s.labels;
    const auto& y = s.ytd;
    const auto hours = [&s](int box) { return rateText(readNumber(s.txtAmount[static_cast<size_t>(box)])); };

    PrintDocument doc;
    doc.orientation(PageOrientation::Portrait);
    doc.font("Arial", 11);
    doc.newLine(2);
    doc.at(1, in.header.txtHeader[0]);
    doc.newLine();
    doc.at(1, in.header.txtHeader[1]);
    doc.newLine();
    doc.at(1, in.header.txtHeader[2]);
    doc.at(85, in.header.txtHeader[3]);
    doc.newLine();

    doc.font("Arial", 10);
    doc.at(1, kRule203);
    doc.newLine();
    doc.at(1, "Employee:");
    doc.at(20, in.UserName);
    doc.at(50, in.ssn);
    doc.newLine(2);
    doc.at(5, "Date:");
    doc.at(15, in.today);
    doc.at(85, "For Week Ending: " + s.txtWeek);
    doc.newLine(2);
    doc.at(45, "ORVANE 2007");
    doc.at(65, "Version  " + in.version);
    doc.newLine(6);

    doc.at(5, "Description");
    doc.at(30, "Rate");
    doc.at(50, "Hours");
    doc.at(65, "Earnings");
    doc.newLine();
    doc.at(5, kRule198);
    doc.newLine();
    struct Earning {
        const char* caption;
        std::string rate, hours;
        std::string earnings, column85;
    };
    const Earning earnings[8] = {
        {"Regular1 Earning", rateText(p.txtHourRate), hours(0), amountText(s.StraightPay1), {}},
        {"Regular2 Earning", rateText(p.txtHourRate2), hours(1), amountText(s.StraightPay2), {}},
        {"O.T. 1x / 2x Earned", rateText(f.ot1xRate), hours(2), amountText(f.ot1xPay), {}},
        {"O.T. 1.5x Earned", rateText(f.ot15Rate), hours(3), amountText(f.ot15Pay), "YTD"},
        {"Tips", rateText(p.txtTipsRate), rateText(s.entry.TipsHrs), amountText(f.MyTips), amountText(y.YtdTips)},
        {"Holiday", rateText(p.txtHourRate), hours(4), amountText(f.holidayPay), {}},
        {"Vacation/Sick", rateText(p.txtHourRate), hours(5), amountText(f.vacationPay), {}},
        {"Adjustment", hours(6), {}, amountText(s.entry.Addit), {}},
    };
    for (const auto& e : earnings) {
        doc.at(5, e.caption);
        doc.at(30, e.rate);
        atIfAny(doc, 50, e.hours);
        doc.at(65, e.earnings);
        atIfAny(doc, 85, e.column85);
        doc.newLine();
    }
    doc.newLine(7);

    doc.at(65, "Taxes / Deductions");
    doc.at(100, "Current");
    doc.at(115, "YTD");
    doc.newLine();
    doc.at(5, kRule198);
    doc.newLine();
    struct Deduction {
        std::string caption, current;
        float ytd;
    };
    const Deduction deductions[14] = {
        {"Federal Tax", l.lbTaxDed[0], y.YtdFed},       {"Social Security Tax", l.lbTaxDed[1], y.YtdSS},
        {"Medicare Tax", l.lbTaxDed[2], y.YtdMedi},     {"State Tax", l.lbTaxDed[3], y.YtdState},
        {"City Tax", l.lbTaxDed[4], y.YtdCity},         {"State Disability Ins", l.lbSDI, y.YtdSdi},
        {"State Unemployment Ins", l.lbSUI, y.YtdSui},  {p.txtTax5, l.lbTaxDed[5], y.YtdMuni},
        {p.txtTax6, l.lbTaxDed[6], y.YtdBond},          {p.txtTax7, l.lbTaxDed[7], y.YtdDues},
        {p.txtTax8, l.lbTaxDed[8], y.YtdPen},           {p.txtTax9, l.lbTaxDed[9], y.YtdMisc},
        {"K-Plan", l.lbTaxDed[10], y.YtdKplan},         {"Cafeteria Plan", l.lbCafe, y.YtdCafe},
    };
    for (const auto& d : deductions) {
        atIfAny(doc, 65, d.caption);
        atIfAny(doc, 100, labelAmount(d.current));
        doc.at(115, amountText(d.ytd));
        doc.newLine();
    }
    doc.newLine(5);

    doc.at(30, "Earnings");
    doc.at(50, "Taxes");
    doc.at(65, "Deductions");
    doc.at(85, "Net Pay");
    doc.at(100, "Period Ending");
    doc.newLine();
    doc.at(5, kRule198);
    doc.newLine(2);
    doc.at(5, "Current");
    atIfAny(doc, 30, labelAmount(l.Label13));
    atIfAny(doc, 50, labelAmount(l.lbTaxes));
    atIfAny(doc, 65, labelAmount(l.lbDeduct));
    atIfAny(doc, 85, labelAmount(l.lbNet));
    doc.newLine();
    doc.at(5, "YTD");
    doc.at(30, amountText(y.YtdGross));
    doc.at(50, amountText(f.ytdTaxes));
    doc.at(65, amountText(f.ytdDeductions));
    doc.at(85, amountText(y.YtdNet));
    doc.at(100, s.txtWeek);
    doc.newLine();
    doc.at(5, kRule198);
    doc.newLine();

    doc.font("Arial", 6);
    doc.at(5, "Printed by Orvane " + in.version + ", payroll calculator for the " + std::to_string(kTaxYear) + " tax year");
    doc.newLine();
    doc.end();
    return doc;
}

}  // namespace orvane
