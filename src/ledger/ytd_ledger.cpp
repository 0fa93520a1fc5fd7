#include "ledger/ytd_ledger.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <variant>
#include <vector>

#include "core/record_text_format.h"
#include "ledger/ytd_columns.h"

namespace orvane {

namespace {

// The columns kept at `slot` in the file's order: a row's lines, or the totals lines.
std::vector<const YtdColumn*> inFileOrder(LedgerSlot YtdColumn::* slot) {
    std::vector<const YtdColumn*> out;
    for (const auto& c : kYtdColumns)
        if ((c.*slot).line > 0) out.push_back(&c);
    std::sort(out.begin(), out.end(), [slot](const YtdColumn* a, const YtdColumn* b) {
        return std::pair((a->*slot).line, (a->*slot).item) < std::pair((b->*slot).line, (b->*slot).item);
    });
    return out;
}

// A fixed-point total is kept only while the ledger file could read it back.
std::optional<Currency> toFixed(float value) {
    if (!std::isfinite(value) || std::fabs(static_cast<double>(value)) > kLargestStoredCurrency) return std::nullopt;
    return Currency::fromDouble(static_cast<double>(value));
}

bool fixedInRange(Currency c) { return std::fabs(c.toDouble()) <= kLargestStoredCurrency; }

// The totals summed over all 52 rows.
void sumRestricted(const YtdLedger& ledger, YtdTotals& t) {
    for (const auto& c : kYtdColumns) {
        if (!c.allRows) continue;
        float& total = t.*std::get<float YtdTotals::*>(c.total);
        total = 0;
        for (const auto& row : ledger.rows) total += row.*c.member;
    }
}

}  // namespace

float sevenDigits(float value) {
    if (!std::isfinite(value)) return value;
    char text[32];
    const char* end = std::to_chars(text, text + sizeof text, static_cast<double>(value), std::chars_format::general, 7).ptr;
    float rounded = value;
    std::from_chars(text, end, rounded);
    return rounded;
}

AnnualSums AddAnnual(const YtdLedger& ledger, bool weekly) {
    AnnualSums out;
    YtdTotals& t = out.totals;
    const auto totals = inFileOrder(&YtdColumn::totalSlot);
    const int rows = ledgerRowsInUse(weekly);
    for (int i = 0; i < rows; ++i) {
        const YtdRow& row = ledger.rows[i];
        for (const YtdColumn* c : totals) {
            const float v = row.*c->member;
            bool added = true;
            if (const auto* f = std::get_if<float YtdTotals::*>(&c->total)) {
                const float sum = sevenDigits(t.**f + v);
                added = std::isfinite(sum);
                if (added) t.**f = sum;
            } else if (const auto* fixed = std::get_if<Currency YtdTotals::*>(&c->total)) {
                const auto value = toFixed(v);
                const Currency sum = value ? t.**fixed + *value : Currency{};
                added = value && fixedInRange(sum);
                if (added) t.**fixed = sum;
            }
            if (!added) {
                out.failed = true;
                return out;
            }
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
    // Writes the columns in their lines, ending each line.
    const auto lines = [&w](const std::vector<const YtdColumn*>& columns, LedgerSlot YtdColumn::* slot,
                            const auto& item) {
        for (size_t k = 0; k < columns.size(); ++k) {
            item(*columns[k]);
            if (k + 1 == columns.size() || (columns[k + 1]->*slot).line != (columns[k]->*slot).line) w.endRecord();
        }
    };
    const auto rowColumns = inFileOrder(&YtdColumn::rowSlot);
    for (int i = 0; i < ledgerRowsInUse(weekly); ++i) {
        const YtdRow& row = ledger.rows[i];
        lines(rowColumns, &YtdColumn::rowSlot, [&](const YtdColumn& c) {
            if (!c.member) {
                w.text(row.WeekEnding, "the week-ending date of row " + std::to_string(i + 1));
                return;
            }
            // Amounts are written as the value of the text the grid shows for them.
            const float v = row.*c.member;
            w.number(std::isfinite(v) ? decimalValue(shortestText(v)).value_or(0.0) : 0.0);
        });
    }
    lines(inFileOrder(&YtdColumn::totalSlot), &YtdColumn::totalSlot, [&](const YtdColumn& c) {
        if (const auto* f = std::get_if<float YtdTotals::*>(&c.total)) w.single(sevenDigits(t.**f));
        else if (const auto* fixed = std::get_if<Currency YtdTotals::*>(&c.total)) w.number((t.**fixed).toDouble());
    });
    if (!w.ok()) {
        if (refusal) *refusal = w.refusal().value_or("");
        return std::nullopt;
    }
    return w.bytes();
}

std::optional<LedgerFile> readLedgerFile(std::string_view bytes, bool weekly) {
    RecordReader r(bytes);
    LedgerFile out;
    const auto rowColumns = inFileOrder(&YtdColumn::rowSlot);
    for (int i = 0; i < ledgerRowsInUse(weekly); ++i) {
        YtdRow& row = out.ledger.rows[i];
        for (const YtdColumn* c : rowColumns) {
            if (c->member) row.*c->member = r.single();
            else row.WeekEnding = r.text();
        }
    }
    YtdTotals& t = out.totals;
    for (const YtdColumn* c : inFileOrder(&YtdColumn::totalSlot)) {
        if (const auto* f = std::get_if<float YtdTotals::*>(&c->total)) t.**f = r.single();
        else if (const auto* fixed = std::get_if<Currency YtdTotals::*>(&c->total)) t.**fixed = r.currency();
    }
    if (!r.readWhole()) return std::nullopt;
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
