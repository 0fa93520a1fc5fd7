#include "ledger/ytd_export.h"

#include <locale.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <system_error>

#include "ledger/ytd_columns.h"

namespace orvane {

const SheetCell* LedgerSheet::at(int row, int column) const {
    for (const auto& c : cells)
        if (c.row == row && c.column == column) return &c;
    return nullptr;
}

LedgerSheet ToExcel(const LedgerAsShown& shown, const std::array<std::string, 5>& names, const std::string& userName,
                    const std::string& ssn) {
    LedgerSheet s;
    const auto put = [&s](int row, int column, std::string text, SheetStyle style = SheetStyle::Plain) {
        s.cells.push_back(SheetCell{row, column, std::move(text), style});
    };
    // Sheet columns in grid order: date, Federal .. K plan, tips, OT, net, gross.
    for (int c = 0; c < frmYear::kColumns; ++c) {
        const YtdColumn& column = kYtdColumns[c];
        put(1, c + 1, column.sheetHeading ? column.sheetHeading : names[column.deduction], SheetStyle::BoldRed);
    }
    for (size_t i = 0; i < shown.rows.size(); ++i)
        for (int c = 0; c < frmYear::kColumns; ++c) put(int(i) + 2, c + 1, shown.rows[i][c]);
    const int totalRow = shown.weekly ? 54 : 28;
    put(totalRow, 1, "TOTALS=", SheetStyle::BoldBlue);
    for (int c = frmYear::Fed; c < frmYear::kColumns; ++c) put(totalRow, c + 1, shown.totals[c], SheetStyle::BoldBlue);
    const int blockRow = shown.weekly ? 56 : 31;
    const std::pair<const char*, const std::string*> block[4] = {
        {"SDI", &shown.sdi}, {"SUI", &shown.sui}, {"Cafe", &shown.cafe}, {"Tips", &shown.tips}};
    for (int k = 0; k < 4; ++k) {
        put(blockRow, 3 + k, block[k].first, SheetStyle::BoldRed);
        put(blockRow + 1, 3 + k, *block[k].second, SheetStyle::Blue);
    }
    s.leftFooter = userName + "    " + ssn;
    s.centerFooter = "ORVANE 2007\u00ae";
    s.rightFooter = "Printed from the Orvane year-to-date ledger";
    return s;
}

namespace {

// A text that is a number in whole goes into the sheet as a number, as the spreadsheet takes it.
bool asNumber(const std::string& text, double& value) {
    if (text.find_first_not_of(' ') == std::string::npos || !isWholeNumber(text)) return false;
    value = readNumber(text);
    return true;
}

// "&" starts a code in headers and footers; a literal one is doubled.
std::string footerText(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '&') out += '&';
    }
    return out;
}

// libxlsxwriter explains its failures on standard error; while it works they are kept aside
// instead, and the first of them goes into the message the person is shown.
class LibraryMessages {
public:
    LibraryMessages() {
        std::fflush(stderr);
        m_kept = std::tmpfile();
        m_saved = m_kept ? dup(STDERR_FILENO) : -1;
        if (m_saved >= 0 && dup2(fileno(m_kept), STDERR_FILENO) < 0) {
            close(m_saved);
            m_saved = -1;
        }
    }
    ~LibraryMessages() {
        restore();
        if (m_kept) std::fclose(m_kept);
    }
    LibraryMessages(const LibraryMessages&) = delete;
    LibraryMessages& operator=(const LibraryMessages&) = delete;

    // Standard error as it was, and the first message the library gave, without its "[ERROR] ".
    std::string first() {
        restore();
        if (!m_kept) return {};
        std::rewind(m_kept);
        char line[512] = {};
        if (!std::fgets(line, sizeof line, m_kept)) return {};
        std::string text = line;
        text.erase(text.find_last_not_of("\r\n") + 1);
        if (const auto mark = text.find("] "); text.starts_with('[') && mark != std::string::npos) text.erase(0, mark + 2);
        return text;
    }

private:
    void restore() {
        if (m_saved < 0) return;
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
    }
    std::FILE* m_kept = nullptr;
    int m_saved = -1;
};

// libxlsxwriter writes the numbers of the sheet's XML through the C library, which takes the decimal
// separator of the locale: a workbook written under a decimal-comma locale holds "1234,5", which
// no spreadsheet reads. The thread writes in the C locale's numbers while this lives.
class CNumbers {
public:
    CNumbers() : m_c(newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr))) {
        if (m_c) m_previous = uselocale(m_c);
    }
    ~CNumbers() {
        if (!m_c) return;
        uselocale(m_previous);
        freelocale(m_c);
    }
    CNumbers(const CNumbers&) = delete;
    CNumbers& operator=(const CNumbers&) = delete;

private:
    locale_t m_c;
    locale_t m_previous = LC_GLOBAL_LOCALE;
};

}  // namespace

static bool wholeZip(std::string_view bytes) {
    // The end of the central directory, without a comment, closes every zip file the writer makes.
    constexpr std::string_view kEnd("PK\x05\x06", 4);
    return bytes.starts_with("PK") && bytes.size() >= 22 && bytes.substr(bytes.size() - 22, 4) == kEnd;
}

WriteFailure writeLedgerWorkbook(const LedgerSheet& sheet, const std::filesystem::path& path) {
    const CNumbers cNumbers;
    LibraryMessages messages;
    const auto failed = [&messages, &path] {
        const std::string why = messages.first();
        return "The workbook " + path.filename().string() + " could not be written." + (why.empty() ? "" : " " + why);
    };
    // Written in a folder of this user's own, then checked and saved beside `path` as every file is.
    const PrivateFolder scratch;
    if (scratch.path().empty())
        return "The workbook " + path.filename().string() + " could not be written. No private temporary folder (" +
               scratch.failure() + ").";
    const std::filesystem::path temporary = scratch.path() / "workbook.xlsx";
    lxw_workbook* book = workbook_new(temporary.string().c_str());
    if (!book) return failed();
    lxw_worksheet* ws = workbook_add_worksheet(book, nullptr);
    std::map<SheetStyle, lxw_format*> formats;
    formats[SheetStyle::Plain] = nullptr;
    formats[SheetStyle::BoldRed] = workbook_add_format(book);
    format_set_bold(formats[SheetStyle::BoldRed]);
    format_set_font_color(formats[SheetStyle::BoldRed], 0xFF0000);
    formats[SheetStyle::BoldBlue] = workbook_add_format(book);
    format_set_bold(formats[SheetStyle::BoldBlue]);
    format_set_font_color(formats[SheetStyle::BoldBlue], 0x0000FF);
    formats[SheetStyle::Blue] = workbook_add_format(book);
    format_set_font_color(formats[SheetStyle::Blue], 0x0000FF);

    std::map<int, size_t> widths;  // column fitted to its longest text
    for (const auto& c : sheet.cells) {
        const auto row = static_cast<lxw_row_t>(c.row - 1);
        const auto col = static_cast<lxw_col_t>(c.column - 1);
        double number = 0;
        if (asNumber(c.text, number)) worksheet_write_number(ws, row, col, number, formats[c.style]);
        else worksheet_write_string(ws, row, col, c.text.c_str(), formats[c.style]);
        widths[c.column] = std::max(widths[c.column], c.text.size());
    }
    for (auto [column, width] : widths)
        worksheet_set_column(ws, static_cast<lxw_col_t>(column - 1), static_cast<lxw_col_t>(column - 1),
                             static_cast<double>(width) + 2, nullptr);
    worksheet_freeze_panes(ws, static_cast<lxw_row_t>(sheet.frozenRows), 0);
    worksheet_set_selection(ws, 0, 0, 0, 0);
    if (sheet.landscape) worksheet_set_landscape(ws);
    // The header and footer margins: libxlsxwriter ignores 0 (its default 0.3 inch stays), so
    // the smallest it takes, 0.01 inch, stands for none.
    lxw_header_footer_options options{};
    options.margin = 0.01;
    worksheet_set_header_opt(ws, footerText(sheet.centerHeader).c_str(), &options);
    const std::string footer = "&L" + footerText(sheet.leftFooter) + "&C" + footerText(sheet.centerFooter) + "&R" +
                               footerText(sheet.rightFooter);
    worksheet_set_footer_opt(ws, footer.c_str(), &options);
    if (sheet.fitOnOnePage) worksheet_fit_to_pages(ws, 1, 1);
    worksheet_set_margins(ws, sheet.margins, sheet.margins, sheet.margins, sheet.margins);
    if (sheet.centerHorizontally) worksheet_center_horizontally(ws);
    if (sheet.centerVertically) worksheet_center_vertically(ws);
    if (workbook_close(book) != LXW_NO_ERROR) return failed();
    if (auto failure = placeWrittenFile(temporary, path, wholeZip))
        return "The workbook " + path.filename().string() + " could not be written. " + *failure;
    return std::nullopt;
}

}  // namespace orvane
