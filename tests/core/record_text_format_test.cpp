#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/record_text_format.h"
#include "core/text_encoding.h"

using namespace orvane;

namespace {

TEST(RecordTextFormat, TextTextSingleIsOneQuotedLine) {
    RecordWriter w;
    w.text("Single").text("0").single(7.5f).endRecord();
    EXPECT_TRUE(w.ok());
    EXPECT_EQ(w.bytes(), "\"Single\",\"0\",7.5\r\n");
}

// How each item type is written: one record per case.
struct EncodeCase {
    const char* name;
    void (*write)(RecordWriter&);
    const char* line;
};

const EncodeCase kEncodeCases[] = {
    {"empty text is two quotes", [](RecordWriter& w) { w.text(""); }, "\"\"\r\n"},
    {"three empty variants are two commas", [](RecordWriter& w) { w.variant({}).variant({}).variant({}); }, ",,\r\n"},
    {"negative 16-bit integer", [](RecordWriter& w) { w.int16(-1); }, "-1\r\n"},
    {"booleans", [](RecordWriter& w) { w.boolean(true).boolean(false); }, "#TRUE#,#FALSE#\r\n"},
    {"whole single has no point", [](RecordWriter& w) { w.single(100.0f); }, "100\r\n"},
    {"single zero and minus zero", [](RecordWriter& w) { w.single(0.0f).single(-0.0f); }, "0,0\r\n"},
    {"shortest single text", [](RecordWriter& w) { w.single(0.1f).single(65.38f); }, "0.1,65.38\r\n"},
    {"shortest double text", [](RecordWriter& w) { w.number(0.1).number(-1234.5678); }, "0.1,-1234.5678\r\n"},
    {"no exponent for large values", [](RecordWriter& w) { w.number(1e20); }, "100000000000000000000\r\n"},
    {"no exponent for small values", [](RecordWriter& w) { w.single(1e-5f); }, "0.00001\r\n"},
    {"a value that is not a number is written as 0",
     [](RecordWriter& w) { w.number(std::numeric_limits<double>::quiet_NaN()); }, "0\r\n"},
    {"variants hold text, number, boolean",
     [](RecordWriter& w) { w.variant(Variant::ofText("a")).variant(Variant::ofNumber(2.5)).variant(Variant::ofBoolean(true)); },
     "\"a\",2.5,#TRUE#\r\n"},
    {"Windows-1252 on disk", [](RecordWriter& w) { w.text("Café €5"); }, "\"Caf\xE9 \x80" "5\"\r\n"},
};

TEST(RecordTextFormat, EncodesEachItemType) {
    for (const auto& c : kEncodeCases) {
        SCOPED_TRACE(c.name);
        RecordWriter w;
        c.write(w);
        w.endRecord();
        EXPECT_TRUE(w.ok());
        EXPECT_EQ(w.bytes(), c.line);
    }
}

// The same items spread over other line breaks than the writer's read the same: reading goes by items.
TEST(RecordTextFormat, ReadsByItemsNotByLines) {
    const char* layouts[] = {
        "\"Single\",\"0\",7.5\r\n#TRUE#,-3\r\n",
        "\"Single\"\r\n\"0\"\r\n7.5\r\n#TRUE#\r\n-3\r\n",
        "\"Single\",\"0\"\n7.5,#TRUE#\n-3",
        "\"Single\"\r\"0\",7.5\r#TRUE#,-3\r",
        "  \"Single\" , \"0\",\t7.5 \r\n #TRUE#, -3 \r\n\r\n",
    };
    for (const char* bytes : layouts) {
        SCOPED_TRACE(::testing::PrintToString(std::string(bytes)));
        RecordReader r(bytes);
        EXPECT_EQ(r.text(), "Single");
        EXPECT_EQ(r.text(), "0");
        EXPECT_EQ(r.single(), 7.5f);
        EXPECT_TRUE(r.boolean());
        EXPECT_EQ(r.int16(), -3);
        EXPECT_TRUE(r.ok());
        EXPECT_TRUE(r.atEnd());
        r.skip();
        EXPECT_FALSE(r.ok()) << "reading past the last item fails";
    }
}

// A line end separates items as a comma does: a blank line is one empty item, as the separator
// records of the federal tables may be; a number written as a text reads as that number.
TEST(RecordTextFormat, BlankLinesAreEmptyItemsAndQuotedNumbersAreNumbers) {
    RecordReader r("1,2\r\n\r\n3\r\n\"4.25\",\" -5 \"\r\n\r\n");
    EXPECT_EQ(r.single(), 1.0f);
    EXPECT_EQ(r.single(), 2.0f);
    EXPECT_EQ(r.variant(), Variant{}) << "the blank line";
    EXPECT_EQ(r.single(), 3.0f);
    EXPECT_EQ(r.single(), 4.25f);
    EXPECT_EQ(r.int16(), -5);
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.atEnd()) << "trailing line ends are harmless";

    RecordReader blankAsNumber("7\r\n\r\n8");
    EXPECT_EQ(blankAsNumber.single(), 7.0f);
    EXPECT_EQ(blankAsNumber.single(), 0.0f);
    EXPECT_EQ(blankAsNumber.single(), 8.0f);
    EXPECT_TRUE(blankAsNumber.ok());
}

TEST(RecordTextFormat, TextAfterTheClosingQuoteIsSkipped) {
    RecordReader r("\"Ann\" junk,5\r\n");
    EXPECT_EQ(r.text(), "Ann");
    EXPECT_EQ(r.single(), 5.0f);
    EXPECT_TRUE(r.ok());
}

// A record written with one item missing shifts every later field; the reader notices only when a
// type does not fit or the file ends early.
TEST(RecordTextFormat, MissingItemShiftsLaterFields) {
    RecordWriter w;
    w.text("Ann").single(40.0f).text("Single").endRecord();  // the pay rate between name and hours is missing
    {
        RecordReader r(w.bytes());
        EXPECT_EQ(r.text(), "Ann");
        EXPECT_EQ(r.single(), 40.0f) << "the hours land in the pay rate";
        EXPECT_TRUE(r.ok());
        EXPECT_EQ(r.single(), 0.0f) << "a text where a number belongs";
        EXPECT_FALSE(r.ok());
    }
    {
        RecordWriter w2;
        w2.text("Ann").single(7.5f).endRecord();  // one number missing at the end
        RecordReader r(w2.bytes());
        r.text();
        EXPECT_EQ(r.single(), 7.5f);
        EXPECT_TRUE(r.ok());
        EXPECT_EQ(r.single(), 0.0f);
        EXPECT_FALSE(r.ok()) << "the file ends early";
        EXPECT_EQ(r.text(), "") << "a failed reader stays failed";
    }
}

TEST(RecordTextFormat, EmptyTextAndEmptyVariantRoundTrip) {
    RecordWriter w;
    w.text("").variant({}).single(1.0f).endRecord();
    w.variant({}).variant({}).variant({}).endRecord();
    w.text("after").endRecord();
    RecordReader r(w.bytes());
    EXPECT_EQ(r.variant(), Variant::ofText(""));
    EXPECT_EQ(r.variant(), Variant{});
    EXPECT_EQ(r.single(), 1.0f);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(r.variant(), Variant{}) << "empty variant " << i;
    EXPECT_EQ(r.text(), "after");
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.atEnd());
}

// A comma at the very end of the file closes one empty item, and then the file is over.
TEST(RecordTextFormat, CommaAtTheEndOfTheFile) {
    RecordReader r("1,");
    EXPECT_EQ(r.number(), 1.0);
    EXPECT_EQ(r.variant(), Variant{});
    EXPECT_TRUE(r.ok());
    r.skip();
    EXPECT_FALSE(r.ok());
}

TEST(RecordTextFormat, EveryItemTypeRoundTrips) {
    const std::vector<std::string> texts = {"", "Single", "  blanks kept  ", "a, comma", "Café", "€ 5 – “quoted”",
                                            "#TRUE#", "12"};
    const std::vector<float> singles = {0.0f, 7.5f, -7.5f, 0.1f, 65.38f, 1e-7f, 123456.79f,
                                        std::numeric_limits<float>::max(), std::numeric_limits<float>::denorm_min()};
    const std::vector<double> doubles = {0.0, 0.1, 1.0 / 3.0, -97500.0, 1e300,
                                         std::numeric_limits<double>::denorm_min(), 1234.5678};
    const std::vector<std::int16_t> ints = {0, 1, -1, 32767, -32768};
    const std::vector<Variant> variants = {Variant{}, Variant::ofText(""), Variant::ofText("x y"),
                                           Variant::ofNumber(-2.25), Variant::ofBoolean(true),
                                           Variant::ofBoolean(false)};
    RecordWriter w;
    for (const auto& t : texts) w.text(t);
    w.endRecord();
    for (float f : singles) w.single(f);
    w.endRecord();
    for (double d : doubles) w.number(d);
    w.endRecord();
    for (auto i : ints) w.int16(i);
    w.endRecord();
    w.boolean(true).boolean(false).endRecord();
    for (const auto& v : variants) w.variant(v);
    w.endRecord();
    w.number(1234.5678).number(-0.0001).endRecord();
    ASSERT_TRUE(w.ok()) << *w.refusal();

    RecordReader r(w.bytes());
    for (const auto& t : texts) EXPECT_EQ(r.text(), t);
    for (float f : singles) EXPECT_EQ(r.single(), f);
    for (double d : doubles) EXPECT_EQ(r.number(), d);
    for (auto i : ints) EXPECT_EQ(r.int16(), i);
    EXPECT_TRUE(r.boolean());
    EXPECT_FALSE(r.boolean());
    for (const auto& v : variants) EXPECT_EQ(r.variant(), v);
    EXPECT_EQ(r.currency().units, 12345678);
    EXPECT_EQ(r.currency().units, -1);
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.atEnd());
}

// Numbers may be read into a field of another numeric type, rounded to its precision; booleans
// read as numbers are -1 and 0.
TEST(RecordTextFormat, NumbersReadIntoOtherNumericTypes) {
    RecordReader r("0.1,2.5,#TRUE#,#FALSE#,,1\r\n");
    EXPECT_EQ(r.single(), 0.1f);
    EXPECT_EQ(r.int16(), 2) << "to the even integer";
    EXPECT_EQ(r.int16(), -1);
    EXPECT_EQ(r.single(), 0.0f);
    EXPECT_EQ(r.number(), 0.0) << "an empty item reads as 0";
    EXPECT_TRUE(r.boolean());
    EXPECT_TRUE(r.ok());
    RecordReader big("340282350000000000000000000000000000000,3.4028235e38");
    EXPECT_EQ(big.single(), std::numeric_limits<float>::max()) << "the largest single in its shortest digits";
    EXPECT_EQ(big.single(), std::numeric_limits<float>::max());
    EXPECT_TRUE(big.ok());
}

struct BadReadCase {
    const char* name;
    const char* bytes;
    int field;  // 0 number, 1 single, 2 int16, 3 boolean, 4 currency
};

const BadReadCase kBadReads[] = {
    {"quoted text into a number", "\"seven\"", 0},
    {"an empty quoted text into a number", "\"\"", 1},
    {"letters into a number", "abc", 0},
    {"a number with a tail", "7x", 0},
    {"beyond the single range", "1e39", 1},
    {"beyond the 16-bit range", "32768", 2},
    {"text into a boolean", "yes", 3},
    {"beyond the currency range", "1e20", 4},
    {"an unclosed quote", "\"abc", 0},
    {"nothing at all", "", 0},
    {"only line ends", "\r\n\r\n", 1},
};

TEST(RecordTextFormat, ReaderFailsOnItemsThatDoNotFit) {
    for (const auto& c : kBadReads) {
        SCOPED_TRACE(c.name);
        RecordReader r(c.bytes);
        switch (c.field) {
        case 0: EXPECT_EQ(r.number(), 0.0); break;
        case 1: EXPECT_EQ(r.single(), 0.0f); break;
        case 2: EXPECT_EQ(r.int16(), 0); break;
        case 3: EXPECT_FALSE(r.boolean()); break;
        case 4: EXPECT_EQ(r.currency().units, 0); break;
        }
        EXPECT_FALSE(r.ok());
    }
}

// A text that could not be read back is refused, naming the field; nothing damaged is produced.
struct RefusalCase {
    const char* name;
    std::string text;
};

const RefusalCase kRefusals[] = {
    {"a double quote", "6\" ruler"},
    {"a line feed", "two\nlines"},
    {"a carriage return", "two\rlines"},
    {"a character Windows-1252 lacks", "日本"},
    {"bytes that are not UTF-8", "caf\xE9"},
    {"a double quote in an overlong UTF-8 form", "a\xC0\xA2" "b"},
    {"a line feed in an overlong UTF-8 form", "a\xE0\x80\x8A" "b"},
    {"a lone surrogate", "\xED\xA0\x80"},
    {"a truncated sequence", "\xE2\x82"},
};

TEST(RecordTextFormat, RefusesTextsThatCannotBeReadBack) {
    for (const auto& c : kRefusals) {
        SCOPED_TRACE(c.name);
        RecordWriter w;
        w.text("fine", "txtName").text(c.text, "txtAddress").endRecord();
        EXPECT_FALSE(w.ok());
        ASSERT_TRUE(w.refusal().has_value());
        EXPECT_NE(w.refusal()->find("txtAddress"), std::string::npos) << *w.refusal();
        // Whatever was buffered still reads as two items on one record: no stray quote or line end.
        RecordReader r(w.bytes());
        EXPECT_EQ(r.text(), "fine");
        r.text();
        EXPECT_TRUE(r.ok());
        EXPECT_TRUE(r.atEnd());
    }
    RecordWriter w;
    w.text("6\"", "first").text("\n", "second");
    ASSERT_TRUE(w.refusal().has_value());
    EXPECT_NE(w.refusal()->find("first"), std::string::npos) << "the first refusal is kept";
    RecordWriter v;
    v.variant(Variant::ofText("a\"b"), "lbUser");
    ASSERT_TRUE(v.refusal().has_value());
    EXPECT_NE(v.refusal()->find("lbUser"), std::string::npos);
}

struct EncodingCase {
    const char* utf8;
    const char* cp1252;
};

const EncodingCase kEncodings[] = {
    {"é", "\xE9"}, {"€", "\x80"}, {"ÿ", "\xFF"}, {"Œ", "\x8C"}, {"™", "\x99"}, {"\xC2\xA0", "\xA0"}, {"plain", "plain"},
    {"–—‘’“”…", "\x96\x97\x91\x92\x93\x94\x85"},
};

TEST(TextEncoding, Windows1252AndUtf8) {
    for (const auto& c : kEncodings) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(utf8FromCp1252(c.cp1252), c.utf8);
        EXPECT_EQ(cp1252FromUtf8(c.utf8), std::optional<std::string>(c.cp1252));
    }
    // Every byte has a meaning and comes back unchanged.
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(all)), std::optional<std::string>(all));
    EXPECT_EQ(cp1252FromUtf8("日"), std::nullopt);
}

TEST(RecordTextFormat, ReadsWindows1252TextsAsUtf8) {
    RecordReader r("\"Caf\xE9\",\x80" "5\r\n");
    EXPECT_EQ(r.text(), "Café");
    EXPECT_EQ(r.variant(), Variant::ofText("€5")) << "an unquoted item that is no number is a text";
    EXPECT_TRUE(r.ok());
}

// Random bytes, weighted towards the characters that matter to the format, must never crash the
// reader, and a reader can never yield more items than the bytes allow.
TEST(RecordTextFormat, SurvivesRandomBytes) {
    std::mt19937 rng(20070105);
    const char interesting[] = {'"', ',', '\r', '\n', ' ', '\t', '-', '.', '#', '0', '7', '9', 'e', 'T', '\0'};
    int failedReaders = 0;
    for (int n = 0; n < 20000; ++n) {
        std::string bytes(rng() % 64, '\0');
        for (char& c : bytes)
            c = rng() % 2 ? interesting[rng() % sizeof interesting] : static_cast<char>(rng() % 256);
        // Read into an exactly-sized buffer so that any read past the end is seen by the sanitizers.
        std::vector<char> exact(bytes.begin(), bytes.end());
        RecordReader r(std::string_view(exact.data(), exact.size()));
        int items = 0;
        for (; items < static_cast<int>(bytes.size()) + 4 && r.ok(); ++items) {
            switch (rng() % 8) {
            case 0: r.text(); break;
            case 1: r.single(); break;
            case 2: r.number(); break;
            case 3: r.int16(); break;
            case 4: r.boolean(); break;
            case 5: r.currency(); break;
            case 6: r.variant(); break;
            default: r.skip(); break;
            }
            (void)r.atEnd();
        }
        EXPECT_FALSE(r.ok()) << "more items than bytes from " << ::testing::PrintToString(bytes);
        if (!r.ok()) ++failedReaders;
    }
    EXPECT_EQ(failedReaders, 20000);
}

}  // namespace
