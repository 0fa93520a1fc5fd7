#include "print/print_document.h"

#include <algorithm>

namespace orvane {

void PrintDocument::font(std::string name, double size, bool bold) {
    PrintOp op;
    op.kind = PrintOp::Kind::Font;
    op.text = std::move(name);
    op.size = size;
    op.bold = bold;
    ops.push_back(std::move(op));
}

void PrintDocument::orientation(PageOrientation o) {
    PrintOp op;
    op.kind = PrintOp::Kind::Orientation;
    op.orientation = o;
    ops.push_back(op);
}

void PrintDocument::at(int column, std::string text) {
    PrintOp op;
    op.kind = PrintOp::Kind::Text;
    op.column = std::max(1, column);
    op.text = std::move(text);
    ops.push_back(std::move(op));
}

void PrintDocument::newLine(int count) {
    for (int i = 0; i < count; ++i) ops.push_back(PrintOp{});
}

void PrintDocument::image(std::vector<unsigned char> picture) {
    PrintOp op;
    op.kind = PrintOp::Kind::Image;
    op.picture = std::move(picture);
    ops.push_back(std::move(op));
}

void PrintDocument::end() {
    PrintOp op;
    op.kind = PrintOp::Kind::EndDoc;
    ops.push_back(op);
}

int characterCount(const std::string& text) {
    int n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::vector<PlacedText> placeByCharacters(const PrintDocument& document) {
    std::vector<PlacedText> placed;
    int line = 0;
    int used = 0;  // columns of the current line already printed on
    double size = 0;
    for (const auto& op : document.ops) {
        switch (op.kind) {
        case PrintOp::Kind::Font: size = op.size; break;
        case PrintOp::Kind::Orientation:
        case PrintOp::Kind::Image: break;
        case PrintOp::Kind::NewLine:
            ++line;
            used = 0;
            break;
        case PrintOp::Kind::Text:
            if (used > op.column - 1) {
                ++line;
                used = 0;
            }
            placed.push_back({line, op.column, op.text, size});
            used = op.column - 1 + characterCount(op.text);
            break;
        case PrintOp::Kind::EndDoc: return placed;
        }
    }
    return placed;
}

std::vector<std::string> renderByCharacters(const PrintDocument& document) {
    std::vector<std::string> lines;
    std::vector<int> widths;
    for (const auto& p : placeByCharacters(document)) {
        if (static_cast<int>(lines.size()) <= p.line) {
            lines.resize(static_cast<size_t>(p.line) + 1);
            widths.resize(lines.size());
        }
        auto& l = lines[static_cast<size_t>(p.line)];
        auto& w = widths[static_cast<size_t>(p.line)];
        l.append(static_cast<size_t>(std::max(0, p.column - 1 - w)), ' ');
        l += p.text;
        w = p.column - 1 + characterCount(p.text);
    }
    return lines;
}

}  // namespace orvane
