#include "core/federal_tables.h"

#include <cmath>

#include "core/file_io.h"
#include "core/record_file.h"
#include "core/record_text_format.h"

namespace orvane {

namespace {

FedBracketTable readTable(RecordReader& in) {
    FedBracketTable t{};
    t[0].over = in.single();
    t[0].notOver = in.single();
    t[0].excessOver = in.single();
    t[0].rate = in.single();
    for (int i = 1; i <= 4; ++i) {
        t[i].over = in.single();
        t[i].notOver = in.single();
        t[i].excessOver = in.single();
        t[i].rate = in.single();
        t[i].base = in.single();
    }
    t[5].over = in.single();
    t[5].excessOver = in.single();
    t[5].rate = in.single();
    t[5].base = in.single();
    in.skip();  // the separator record
    return t;
}

void writeTable(RecordWriter& out, const FedBracketTable& t, const char* title) {
    out.single(t[0].over).single(t[0].notOver).single(t[0].excessOver).single(t[0].rate).endRecord();
    for (int i = 1; i <= 4; ++i)
        out.single(t[i].over).single(t[i].notOver).single(t[i].excessOver).single(t[i].rate).single(t[i].base).endRecord();
    out.single(t[5].over).single(t[5].excessOver).single(t[5].rate).single(t[5].base).endRecord();
    out.text(title).endRecord();
}

}  // namespace

std::optional<FederalTables> parseFederalTables(std::string_view bytes) {
    RecordReader in(bytes);
    FederalTables t;
    t.SingleBiWeekly = readTable(in);
    t.SingleWeekly = readTable(in);
    t.MarriedBiWeekly = readTable(in);
    t.MarriedWeekly = readTable(in);
    std::array<float, 20> allowances{};
    for (float& a : allowances) a = in.single();
    for (int k = 0; k < 10; ++k) {
        t.SingleAllowance[k] = allowances[k];
        t.MarriedAllowance[k] = allowances[10 + k];
    }
    t.TableVersion = in.text();
    if (!in.readWhole()) return std::nullopt;
    return t;
}

std::string writeFederalTables(const FederalTables& t) {
    RecordWriter out;
    writeTable(out, t.SingleBiWeekly, "Single Bi-Weekly");
    writeTable(out, t.SingleWeekly, "Single Weekly");
    writeTable(out, t.MarriedBiWeekly, "Married Bi-Weekly");
    writeTable(out, t.MarriedWeekly, "Married Weekly");
    std::array<float, 20> allowances{};
    for (int k = 0; k < 10; ++k) {
        allowances[k] = t.SingleAllowance[k];
        allowances[10 + k] = t.MarriedAllowance[k];
    }
    for (int r = 0; r < 7; ++r) {
        out.single(allowances[3 * r]).single(allowances[3 * r + 1]);
        if (r < 6) out.single(allowances[3 * r + 2]);
        else out.text(t.TableVersion, "TableVersion");
        out.endRecord();
    }
    return out.bytes();
}

namespace {

// Figures the withholding could not sensibly use: negative or not finite, a rate outside 0 to 1,
// a bracket starting below the one before it (all-zero brackets at the end are unused).
bool saneFederalTables(const FederalTables& t) {
    auto sane = [](float v) { return std::isfinite(v) && v >= 0; };
    for (const FedBracketTable* table : {&t.SingleBiWeekly, &t.SingleWeekly, &t.MarriedBiWeekly, &t.MarriedWeekly}) {
        float lastOver = 0;
        bool unused = false;
        for (const FedBracket& b : *table) {
            for (float v : {b.over, b.notOver, b.excessOver, b.rate, b.base})
                if (!sane(v)) return false;
            if (b.rate > 1) return false;
            const bool empty = b.over == 0 && b.notOver == 0 && b.excessOver == 0 && b.rate == 0 && b.base == 0;
            if (unused && !empty) return false;
            if (empty && lastOver > 0) {
                unused = true;
                continue;
            }
            if (b.over < lastOver) return false;
            lastOver = b.over;
        }
    }
    for (float v : t.SingleAllowance)
        if (!sane(v)) return false;
    for (float v : t.MarriedAllowance)
        if (!sane(v)) return false;
    return true;
}

}  // namespace

FedLoad readFederalTables(const std::filesystem::path& folder) {
    auto path = folder / kFederalFileName;
    const auto parse = [](std::string_view bytes) {
        auto tables = parseFederalTables(bytes);
        return tables && saneFederalTables(*tables) ? tables : std::nullopt;
    };
    FedLoad load;
    switch (readRecordFile(path, load.tables, parse)) {
        case ReadOutcome::Read: break;
        case ReadOutcome::NoFile:
            load.message = {"The federal tax table file was not found:", path.string(),
                            "Federal withholding cannot be computed until the file is back."};
            break;
        case ReadOutcome::Damaged:
            // A file that is there but cannot be read is not taken for a missing one, nor one this
            // user may not read for a damaged one.
            if (readingIsDenied(path)) {
                load.message = {unreadableFileReason(path).value_or(path.string()),
                                "Federal withholding cannot be computed until the file can be read."};
                break;
            }
            load.message = {"The federal tax table file is damaged:", path.string(),
                            "Federal withholding cannot be computed until the file is replaced."};
            if (auto reason = unreadableFileReason(path)) load.message.push_back(*reason);
            break;
    }
    return load;
}

}  // namespace orvane
