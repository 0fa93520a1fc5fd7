#pragma once
// A printout as the printer receives it: fonts, the page orientation, texts at character columns
// of the current line, new lines and the end of the document. Layouts build one; a printer plays
// it. A column is the average character width of the current font, column 1 at the left margin;
// a text whose column the current line has already passed goes to that column of the next line.
// A window's picture is a document too: one image scaled onto the page.

#include <string>
#include <vector>

namespace orvane {

enum class PageOrientation { Portrait, Landscape };

struct PrintOp {
    enum class Kind { Font, Orientation, Text, NewLine, Image, EndDoc };
    Kind kind = Kind::NewLine;
    std::string text;  // Font: the font name; Text: the text
    double size = 0;   // Font
    bool bold = false; // Font
    PageOrientation orientation = PageOrientation::Portrait;  // Orientation
    int column = 1;    // Text
    std::vector<unsigned char> picture;  // Image: an encoded picture (PNG)

    bool operator==(const PrintOp&) const = default;
};

// The default line pitch in font sizes: Arial's own line spacing.
inline constexpr double kDefaultLineSpacing = 1.15;

class PrintDocument {
public:
    std::vector<PrintOp> ops;
    // The distance from one line to the next, in sizes of the line's font.
    double lineSpacing = kDefaultLineSpacing;

    void font(std::string name, double size, bool bold = false);
    void orientation(PageOrientation o);
    // The text at `column` of the current line; a column below 1 counts as 1.
    void at(int column, std::string text);
    void newLine(int count = 1);
    // A picture scaled to fit the page, keeping its proportions.
    void image(std::vector<unsigned char> picture);
    void end();
};

// A text as it lands on the page when every character is one column wide.
struct PlacedText {
    int line = 0;    // from 0, the top line
    int column = 1;
    std::string text;
    double fontSize = 0;
};

// Plays the document on a surface whose characters are all one column wide: the lines, the
// columns and the font size every text lands at, in printing order.
std::vector<PlacedText> placeByCharacters(const PrintDocument& document);

// The same as plain text lines, for reading a printout in a terminal.
std::vector<std::string> renderByCharacters(const PrintDocument& document);

// The number of characters of a UTF-8 text.
int characterCount(const std::string& text);

}  // namespace orvane
