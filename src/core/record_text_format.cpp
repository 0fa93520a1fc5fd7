#include "core/record_text_format.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/text_encoding.h"

namespace orvane {

// ---- writing ------------------------------------------------------------------------------

void RecordWriter::item(std::string_view encoded) {
    if (m_lineStarted) m_bytes += ',';
    m_bytes += encoded;
    m_lineStarted = true;
}

RecordWriter& RecordWriter::text(std::string_view value, std::string_view field) {
    auto bytes = cp1252FromUtf8(value);
    std::string why;
    if (!bytes) why = "holds a character that cannot be stored";
    else if (bytes->find('"') != std::string::npos) why = "holds a double quote";
    else if (bytes->find_first_of("\r\n") != std::string::npos) why = "holds a line break";
    if (!why.empty()) {
        if (!m_refusal) m_refusal = "The text of \"" + std::string(field) + "\" " + why + ", which cannot be saved.";
        item("\"\"");
        return *this;
    }
    item("\"" + *bytes + "\"");
    return *this;
}

RecordWriter& RecordWriter::single(float value) {
    item(std::isfinite(value) ? shortestText(value) : "0");
    return *this;
}

RecordWriter& RecordWriter::number(double value) {
    item(std::isfinite(value) ? shortestText(value) : "0");
    return *this;
}

RecordWriter& RecordWriter::int16(std::int16_t value) {
    item(std::to_string(value));
    return *this;
}

RecordWriter& RecordWriter::boolean(bool value) {
    item(value ? "#TRUE#" : "#FALSE#");
    return *this;
}

RecordWriter& RecordWriter::variant(const Variant& value, std::string_view field) {
    switch (value.kind) {
    case Variant::Kind::Empty: item(""); break;
    case Variant::Kind::Text: text(value.text, field); break;
    case Variant::Kind::Number: number(value.number); break;
    case Variant::Kind::Boolean: boolean(value.boolean); break;
    }
    return *this;
}

void RecordWriter::endRecord() {
    m_bytes += "\r\n";
    m_lineStarted = false;
}

// ---- reading ------------------------------------------------------------------------------

namespace {
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
}  // namespace

bool RecordReader::atEnd() const {
    for (size_t i = m_pos; i < m_bytes.size(); ++i)
        if (m_bytes[i] != ' ' && m_bytes[i] != '\t' && !isLineEnd(m_bytes[i])) return false;
    return true;
}

std::optional<RecordReader::Item> RecordReader::next() {
    if (!m_ok) return std::nullopt;
    // A line end separates two items as a comma does, so a blank line is one empty item; blank
    // lines at the end of the file hold none.
    while (m_pos < m_bytes.size() && (m_bytes[m_pos] == ' ' || m_bytes[m_pos] == '\t')) ++m_pos;
    if (m_pos >= m_bytes.size() || (!m_afterComma && atEnd())) {
        if (!m_afterComma) {
            fail();
            return std::nullopt;
        }
        // A comma at the very end of the file closes one last, empty item.
        m_afterComma = false;
        return Item{};
    }
    Item item;
    if (m_bytes[m_pos] == '"') {
        auto close = m_bytes.find('"', m_pos + 1);
        if (close == std::string_view::npos) {
            fail();
            return std::nullopt;
        }
        item.text = std::string(m_bytes.substr(m_pos + 1, close - m_pos - 1));
        item.quoted = true;
        m_pos = close + 1;
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && !isLineEnd(m_bytes[m_pos])) ++m_pos;
    } else {
        size_t start = m_pos;
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && !isLineEnd(m_bytes[m_pos])) ++m_pos;
        std::string_view raw = m_bytes.substr(start, m_pos - start);
        auto last = raw.find_last_not_of(" \t");
        item.text = last == std::string_view::npos ? std::string() : std::string(raw.substr(0, last + 1));
    }
    // The separator: a comma, or one line end (CR LF, CR or LF).
    m_afterComma = false;
    if (m_pos < m_bytes.size()) {
        if (m_bytes[m_pos] == ',') {
            ++m_pos;
            m_afterComma = true;
        } else if (m_bytes[m_pos] == '\r') {
            ++m_pos;
            if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n') ++m_pos;
        } else if (m_bytes[m_pos] == '\n') {
            ++m_pos;
        }
    }
    return item;
}

std::optional<double> RecordReader::numeric(const Item& item) {
    if (item.quoted) {
        // A number written as a text reads as that number; any other text is no number.
        const auto first = item.text.find_first_not_of(" \t");
        if (first == std::string::npos) return std::nullopt;
        const auto last = item.text.find_last_not_of(" \t");
        return decimalValue(std::string_view(item.text).substr(first, last - first + 1));
    }
    if (item.text.empty()) return 0.0;
    if (item.text == "#TRUE#") return -1.0;
    if (item.text == "#FALSE#") return 0.0;
    return decimalValue(item.text);
}

std::string RecordReader::text() {
    auto item = next();
    if (!item) return {};
    return utf8FromCp1252(item->text);
}

double RecordReader::number() {
    auto item = next();
    if (!item) return 0.0;
    auto v = numeric(*item);
    if (!v) {
        fail();
        return 0.0;
    }
    return *v;
}

float RecordReader::single() {
    double v = number();
    // Up to half a unit above the largest single a value still rounds to it; beyond, it would
    // become infinite.
    constexpr double kBeyondSingle = 0x1.ffffffp127;
    if (std::fabs(v) >= kBeyondSingle) {
        fail();
        return 0.0f;
    }
    return static_cast<float>(v);
}

std::int16_t RecordReader::int16() {
    double v = std::nearbyint(number());
    if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max()) {
        fail();
        return 0;
    }
    return static_cast<std::int16_t>(v);
}

Currency RecordReader::currency() {
    double v = number();
    if (std::fabs(v) > kLargestStoredCurrency) {
        fail();
        return {};
    }
    return Currency::fromDouble(v);
}

bool RecordReader::boolean() {
    auto item = next();
    if (!item) return false;
    if (!item->quoted && item->text == "#TRUE#") return true;
    if (!item->quoted && item->text == "#FALSE#") return false;
    auto v = numeric(*item);
    if (!v) {
        fail();
        return false;
    }
    return *v != 0.0;
}

Variant RecordReader::variant() {
    auto item = next();
    if (!item) return {};
    if (item->quoted) return Variant::ofText(utf8FromCp1252(item->text));
    if (item->text.empty()) return {};
    if (item->text == "#TRUE#") return Variant::ofBoolean(true);
    if (item->text == "#FALSE#") return Variant::ofBoolean(false);
    auto v = numeric(*item);
    if (!v) return Variant::ofText(utf8FromCp1252(item->text));
    return Variant::ofNumber(*v);
}

void RecordReader::skip() { next(); }

}  // namespace orvane
