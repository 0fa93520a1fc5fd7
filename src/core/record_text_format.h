#pragma once
// The line format of every data file: one record per line, comma-separated typed items,
// CR LF line ends, Windows-1252 on disk. Reading goes by items, not by lines.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/money.h"

namespace orvane {

// The largest amount a fixed-point item of a file may hold, in dollars: the writers refuse what the
// reader would refuse, so whatever is saved can be opened again.
inline constexpr double kLargestStoredCurrency = 9e14;

// A value that may hold nothing, a text, a number or a boolean.
struct Variant {
    enum class Kind { Empty, Text, Number, Boolean };
    Kind kind = Kind::Empty;
    std::string text;
    double number = 0.0;
    bool boolean = false;

    static Variant ofText(std::string t) { return {Kind::Text, std::move(t), 0.0, false}; }
    static Variant ofNumber(double n) { return {Kind::Number, {}, n, false}; }
    static Variant ofBoolean(bool b) { return {Kind::Boolean, {}, 0.0, b}; }
    bool operator==(const Variant&) const = default;
};

// Builds the bytes of a file record by record. A text that cannot be written so that it reads
// back (a double quote, a line break, a character Windows-1252 lacks) is refused: the writer
// remembers the first refusal, and the caller writes nothing.
class RecordWriter {
public:
    RecordWriter& text(std::string_view value, std::string_view field = "text");
    RecordWriter& single(float value);
    RecordWriter& number(double value);
    RecordWriter& int16(std::int16_t value);
    RecordWriter& boolean(bool value);
    RecordWriter& variant(const Variant& value, std::string_view field = "value");
    void endRecord();

    const std::string& bytes() const { return m_bytes; }
    bool ok() const { return !m_refusal.has_value(); }
    // A sentence naming the field that could not be written.
    const std::optional<std::string>& refusal() const { return m_refusal; }

private:
    void item(std::string_view encoded);
    std::string m_bytes;
    bool m_lineStarted = false;
    std::optional<std::string> m_refusal;
};

// Reads typed items one after the other. Any failure (past the end, a text where a number
// belongs, an unclosed quote) makes the reader fail for good; the values read then are zeros,
// so a caller reads everything into a temporary record and keeps it only when ok().
class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : m_bytes(bytes) {}

    std::string text();
    float single();
    double number();
    std::int16_t int16();
    bool boolean();
    // Refused beyond kLargestStoredCurrency.
    Currency currency();
    Variant variant();
    void skip();  // one item of any type, read and discarded

    bool ok() const { return m_ok; }
    // True when only blanks and line ends remain.
    bool atEnd() const;
    // True when every item was read and nothing but blanks and line ends follows: a file holding
    // items beyond its layout is damaged, as its later fields would be shifted ones.
    bool readWhole() const { return m_ok && atEnd(); }

private:
    struct Item {
        std::string text;
        bool quoted = false;
    };
    std::optional<Item> next();
    std::optional<double> numeric(const Item& item);
    void fail() { m_ok = false; }

    std::string_view m_bytes;
    size_t m_pos = 0;
    bool m_ok = true;
    bool m_afterComma = false;
};

}  // namespace orvane
