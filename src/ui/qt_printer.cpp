#include "ui/qt_printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <charconv>
#include <QPrinter>
#include <algorithm>

namespace orvane::ui {

namespace {

// The average character width the printouts are laid out in: the average advance of the lower
// case letters and the blank, weighted by how often each occurs in English text (the classic
// definition of a font's average character width). Newer fonts report an average over all their
// glyphs instead, capitals and symbols included, which is about a third wider and would push the
// right-hand columns off the page.
double averageCharacterWidth(const QFontMetricsF& metrics) {
    static const int kWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20, 56,
                                     56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2, 166};
    double sum = 0;
    int weights = 0;
    for (int i = 0; i < 27; ++i) {
        const QChar c = i < 26 ? QChar('a' + i) : QChar(' ');
        sum += kWeights[i] * metrics.horizontalAdvance(c);
        weights += kWeights[i];
    }
    return sum / weights;
}

// The part of `text` that fits in `room` (device pixels), cut after whole characters: the page
// ends at the printable area's right edge, and nothing is printed past it.
QString fittingPart(const QString& text, const QFontMetricsF& metrics, double room) {
    if (metrics.horizontalAdvance(text) <= room) return text;
    qsizetype fits = 0;
    while (fits < text.size() && metrics.horizontalAdvance(text.left(fits + 1)) <= room) ++fits;
    return text.left(fits);
}

// Plays the document; without a painter it only counts the pages. -1 when a page could not be
// begun or a picture not read.
int play(QPrinter& printer, const PrintDocument& document, QPainter* painter) {
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution()).toRectF();
    const double pixelsPerPoint = printer.resolution() / 72.0;
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11);
    QFontMetricsF metrics(font, &printer);
    double columnWidth = averageCharacterWidth(metrics);
    const auto pitch = [&] { return font.pointSizeF() * document.lineSpacing * pixelsPerPoint; };
    const auto setFont = [&] {
        metrics = QFontMetricsF(font, &printer);
        columnWidth = averageCharacterWidth(metrics);
        if (painter) painter->setFont(font);
    };
    setFont();
    int pages = 1;
    bool pageUsed = false;
    double lineTop = 0;
    double x = 0;  // where the current line's printing has reached, from the left margin
    const auto newPage = [&] {
        ++pages;
        lineTop = 0;
        pageUsed = false;
        if (painter && !printer.newPage()) return false;
        if (painter) painter->setClipRect(QRectF(QPointF(0, 0), page.size()));
        return true;
    };
    if (painter) painter->setClipRect(QRectF(QPointF(0, 0), page.size()));
    for (const auto& op : document.ops) {
        switch (op.kind) {
        case PrintOp::Kind::Font:
            font = QFont(QString::fromStdString(op.text));
            font.setPointSizeF(op.size);
            font.setBold(op.bold);
            setFont();
            break;
        case PrintOp::Kind::Orientation: break;
        case PrintOp::Kind::NewLine:
            lineTop += pitch();
            x = 0;
            break;
        case PrintOp::Kind::Text: {
            const double column = (op.column - 1) * columnWidth;
            if (x > column + 0.5) {  // the column is passed: the same column of the next line
                lineTop += pitch();
                x = 0;
            }
            if (lineTop > 0 && lineTop + std::max(pitch(), metrics.height()) > page.height() && !newPage()) return -1;
            const QString text = fittingPart(QString::fromStdString(op.text), metrics, page.width() - column);
            if (painter && !text.isEmpty()) painter->drawText(QPointF(column, lineTop + metrics.ascent()), text);
            pageUsed = true;
            x = column + metrics.horizontalAdvance(text);
            break;
        }
        case PrintOp::Kind::Image: {
            const QImage picture =
                QImage::fromData(op.picture.data(), static_cast<int>(op.picture.size()));
            if (picture.isNull()) return -1;
            if (pageUsed && !newPage()) return -1;
            if (painter) {
                QSizeF size = picture.size().toSizeF();
                size.scale(page.size(), Qt::KeepAspectRatio);
                painter->drawImage(QRectF(QPointF(0, 0), size), picture);
            }
            pageUsed = true;
            break;
        }
        case PrintOp::Kind::EndDoc: return pages;
        }
    }
    return pages;
}

}  // namespace

OrientationFor::OrientationFor(QPrinter& printer, const PrintDocument& document)
    : m_printer(printer), m_before(printer.pageLayout().orientation() == QPageLayout::Landscape) {
    bool landscape = m_before;
    for (const auto& op : document.ops)
        if (op.kind == PrintOp::Kind::Orientation) landscape = op.orientation == PageOrientation::Landscape;
    m_printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

OrientationFor::~OrientationFor() {
    m_printer.setPageOrientation(m_before ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void usePrintableMargins(QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QMarginsF least = layout.minimumMargins();
    const auto side = [](double printers) { return std::max(printers, kLeastMarginPoints); };
    printer.setPageMargins(QMarginsF(side(least.left()), side(least.top()), side(least.right()), side(least.bottom())),
                           QPageLayout::Point);
}

void setUpPrinter(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::Letter));
    usePrintableMargins(printer);
}

bool printDocument(QPrinter& printer, const PrintDocument& document) {
    const OrientationFor orientation(printer, document);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const bool played = play(printer, document, &painter) > 0;
    if (!played) printer.abort();
    return painter.end() && played;
}

int pagesOnPrinter(QPrinter& printer, const PrintDocument& document) {
    const OrientationFor orientation(printer, document);
    return play(printer, document, nullptr);
}

bool wholePdf(std::string_view bytes) {
    if (!bytes.starts_with("%PDF-")) return false;
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) bytes.remove_suffix(1);
    if (!bytes.ends_with("%%EOF")) return false;
    const size_t mark = bytes.rfind("startxref");
    if (mark == std::string_view::npos) return false;
    size_t at = mark + 9;
    while (at < bytes.size() && (bytes[at] == '\n' || bytes[at] == '\r' || bytes[at] == ' ')) ++at;
    size_t offset = 0;
    const auto [end, error] = std::from_chars(bytes.data() + at, bytes.data() + bytes.size(), offset);
    return error == std::errc() && end != bytes.data() + at && offset < mark && bytes.substr(offset, 4) == "xref";
}

WriteFailure printPdfFile(QPrinter& printer, const PrintDocument& document, const std::filesystem::path& file) {
    const PrivateFolder scratch;
    if (scratch.path().empty())
        return "Could not write the file " + file.string() + ": no private temporary folder (" + scratch.failure() + ").";
    const auto draft = scratch.path() / "printout.pdf";
    const QString before = printer.outputFileName();
    printer.setOutputFileName(QString::fromStdString(draft.string()));
    const bool printed = printDocument(printer, document);
    printer.setOutputFileName(before);
    if (!printed) return "Could not write the file " + file.string() + ": the page could not be made.";
    return placeWrittenFile(draft, file, wholePdf);
}

}  // namespace orvane::ui
