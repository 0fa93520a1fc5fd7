#include "ledger/ytd_ledger.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/record_text_format.h"

namespace orvane {

namespace {

using RowField = float YtdRow::*;
using FloatTotal = float YtdTotals::*;
using FixedTotal = Currency YtdTotals::*;

// The eleven single-precision totals and the columns they sum.
constexpr std::pair<FloatTotal, RowField> kFloatSums[] = {
    {&YtdTotals::YtdFed, &YtdRow::Fed},     {&YtdTotals::YtdSS, &YtdRow::SS},     {&YtdTotals::YtdMedi, &YtdRow::Medi},
    {&YtdTotals::YtdState, &YtdRow::State}, {&YtdTotals::YtdCity, &YtdRow::City}, {&YtdTotals::YtdMuni, &YtdRow::Muni},
    {&YtdTotals::YtdBond, &YtdRow::Bond},   {&YtdTotals::YtdDues, &YtdRow::Dues}, {&YtdTotals::YtdPen, &YtdRow::Pen},
    {&YtdTotals::YtdMisc, &YtdRow::Misc},   {&YtdTotals::YtdKplan, &YtdRow::Kplan},
};
// The four fixed-point totals.
constexpr std::pair<FixedTotal, RowField> kFixedSums[] = {
    {&YtdTotals::YtdOT, &YtdRow::OT},
    {&YtdTotals::YtdGross, &YtdRow::Gross},
    {&YtdTotals::YtdNet, &YtdRow::Net},
    {&YtdTotals::YtdTips, &YtdRow::Tips},
};
// The file's row lines after the week-ending text.
constexpr RowField kLine1[] = {&YtdRow::Fed, &YtdRow::SS, &YtdRow::Medi, &YtdRow::State};
constexpr RowField kLine2[] = {&YtdRow::City, &YtdRow::Muni, &YtdRow::Bond, &YtdRow::Dues, &YtdRow::Pen};
constexpr RowField kLine3[] = {&YtdRow::Misc, &YtdRow::Kplan, &YtdRow::OT, &YtdRow::Gross, &YtdRow::Net};
constexpr RowField kLine4[] = {&YtdRow::Sdi, &YtdRow::Sui, &YtdRow::Cafe, &YtdRow::Tips};

// A fixed-point total is kept only while the ledger file could read it back.
std::optional<Currency> toFixed(float value) {
    if (!std::isfinite(value) || std::fabs(static_cast<double>(value)) > kLargestStoredCurrency) return std::nullopt;
    return Currency::fromDouble(static_cast<double>(value));
}

bool fixedInRange(Currency c) { return std::fabs(c.toDouble()) <= kLargestStoredCurrency; }

void sumRestricted(const YtdLedger& ledger, YtdTotals& t) {
    t.YtdSdi = t.YtdSui = t.YtdCafe = 0;
    for (const auto& row : ledger.rows) {
        t.YtdSdi += row.Sdi;
        t.YtdSui += row.Sui;
        t.YtdCafe += row.Cafe;
    }
}

}  // namespace

float sevenDigits(float value) {
    if (!std::isfinite(value)) return value;
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
    return std::strtof(text, nullptr);
}

AnnualSums AddAnnual(const YtdLedger& ledger, bool weekly) {
    AnnualSums out;
    YtdTotals& t = out.totals;
    const int rows = ledgerRowsInUse(weekly);
    for (int i = 0; i < rows; ++i) {
        const YtdRow& row = ledger.rows[i];
        for (auto [total, field] : kFloatSums) {
            const float sum = sevenDigits(t.*total + row.*field);
            if (!std::isfinite(sum)) {
                out.failed = true;
                return out;
            }
            t.*total = sum;
        }
        for (auto [total, field] : kFixedSums) {
            auto value = toFixed(row.*field);
            const Currency sum = value ? t.*total + *value : Currency{};
            if (!value || !fixedInRange(sum)) {
                out.failed = true;
                return out;
            }
            t.*total = sum;
        }
    }
    sumRestricted(ledger, t);
    if (!std::isfinite(t.YtdSdi) || !std::isfinite(t.YtdSui) || !std::isfinite(t.YtdCafe)) {
        t.YtdSdi = t.YtdSui = t.YtdCafe = 0;
        out.failed = true;
    }
    return out;
}

std::filesystem::path ledgerFilePath(const std::filesystem::path& folder, const std::string& userName, bool weekly) {
    return folder / (userName + (weekly ? ".yrw" : ".yrb"));
}

std::optional<std::string> writeLedgerFile(const YtdLedger& ledger, const YtdTotals& t, bool weekly,
                                           std::string* refusal) {
    RecordWriter w;
    // Amounts are written as the value of the text the grid shows for them.
    const auto amount = [&w](float v) { w.number(std::isfinite(v) ? std::strtod(shortestText(v).c_str(), nullptr) : 0.0); };
    for (int i = 0; i < ledgerRowsInUse(weekly); ++i) {
        const YtdRow& row = ledger.rows[i];
        w.text(row.WeekEnding, "the week-ending date of row " + std::to_string(i + 1));
        for (auto f : kLine1) amount(row.*f);
        w.endRecord();
        for (auto f : kLine2) amount(row.*f);
        w.endRecord();
        for (auto f : kLine3) amount(row.*f);
        w.endRecord();
        for (auto f : kLine4) amount(row.*f);
        w.endRecord();
    }
    const auto floatTotal = [&w](float v) { w.single(sevenDigits(v)); };
    const auto fixedTotal = [&w](Currency c) { w.number(c.toDouble()); };
    floatTotal(t.YtdFed), floatTotal(t.YtdSS), floatTotal(t.YtdMedi), floatTotal(t.YtdState), floatTotal(t.YtdCity);
    w.endRecord();
    floatTotal(t.YtdMuni), floatTotal(t.YtdBond), floatTotal(t.YtdDues), floatTotal(t.YtdPen), floatTotal(t.YtdMisc);
    w.endRecord();
    floatTotal(t.YtdKplan), fixedTotal(t.YtdOT), fixedTotal(t.YtdGross), fixedTotal(t.YtdNet), fixedTotal(t.YtdTips);
    w.endRecord();
    if (!w.ok()) {
        if (refusal) *refusal = w.refusal().value_or("");
        return std::nullopt;
    }
    return w.bytes();
}

std::optional<LedgerFile> readLedgerFile(std::string_view bytes, bool weekly) {
    RecordReader r(bytes);
    LedgerFile out;
    for (int i = 0; i < ledgerRowsInUse(weekly); ++i) {
        YtdRow& row = out.ledger.rows[i];
        row.WeekEnding = r.text();
        for (auto f : kLine1) row.*f = r.single();
        for (auto f : kLine2) row.*f = r.single();
        for (auto f : kLine3) row.*f = r.single();
        for (auto f : kLine4) row.*f = r.single();
    }
    YtdTotals& t = out.totals;
    for (auto [total, field] : kFloatSums) t.*total = r.single();
    t.YtdOT = r.currency();
    t.YtdGross = r.currency();
    t.YtdNet = r.currency();
    t.YtdTips = r.currency();
    if (!r.ok()) return std::nullopt;
    sumRestricted(out.ledger, t);
    return out;
}

void clearLedger(YtdLedger& ledger, bool weekly) {
    for (int i = 0; i < kLedgerRows; ++i) {
        YtdRow& row = ledger.rows[i];
        if (i < ledgerRowsInUse(weekly)) {
            row = YtdRow{};
            row.WeekEnding = "0";
        } else {
            row.Sdi = row.Sui = row.Cafe = 0;
        }
    }
}

}  // namespace orvane
