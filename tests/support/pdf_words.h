#pragma once
// The words of a PDF file with their boxes, as `pdftotext -bbox` finds them, and the pages' sizes
// in points.

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace orvane::test {

struct PdfWord {
    int page = 0;  // from 0
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::string text;
};

struct PdfPage {
    double width = 0, height = 0;
};

struct PdfWords {
    std::vector<PdfPage> pages;
    std::vector<PdfWord> words;

    // The words on the line of the first word `first` (same page, same top), left to right.
    std::vector<PdfWord> lineOf(const std::string& first) const {
        std::vector<PdfWord> line;
        for (const auto& w : words)
            if (w.text == first) {
                for (const auto& v : words)
                    if (v.page == w.page && std::abs(v.yMin - w.yMin) < 1) line.push_back(v);
                break;
            }
        return line;
    }
    // Every word of that text.
    std::vector<PdfWord> all(const std::string& text) const {
        std::vector<PdfWord> found;
        for (const auto& w : words)
            if (w.text == text) found.push_back(w);
        return found;
    }
    // Whether the word's box lies on its page.
    bool onPage(const PdfWord& w) const {
        const PdfPage& p = pages.at(static_cast<size_t>(w.page));
        return w.xMin >= 0 && w.yMin >= 0 && w.xMax <= p.width && w.yMax <= p.height;
    }
    // Whether the word's box keeps `margin` points from every edge of its page.
    bool insideMargins(const PdfWord& w, double margin) const {
        const PdfPage& p = pages.at(static_cast<size_t>(w.page));
        return w.xMin >= margin && w.yMin >= margin && w.xMax <= p.width - margin && w.yMax <= p.height - margin;
    }
};

inline PdfWords pdfWords(const std::filesystem::path& pdf) {
    PdfWords out;
    const std::string command = "pdftotext -bbox '" + pdf.string() + "' - 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    std::string xml;
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) xml.append(buf, n);
    pclose(pipe);
    static const std::regex item(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)</word>)re");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), item); it != std::sregex_iterator(); ++it) {
        const auto& m = *it;
        if (m[1].matched) {
            out.pages.push_back({std::stod(m[1]), std::stod(m[2])});
        } else if (!out.pages.empty()) {
            out.words.push_back({static_cast<int>(out.pages.size()) - 1, std::stod(m[3]), std::stod(m[4]),
                                 std::stod(m[5]), std::stod(m[6]), m[7]});
        }
    }
    return out;
}

}  // namespace orvane::test
