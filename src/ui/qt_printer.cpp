#include "ui/qt_printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

namespace orvane::ui {

namespace {

// The average character width the printouts are laid out in: the average advance of the lower
// case letters and the blank, weighted by how often each occurs in English text (the classic
// definition of a font's average character width). Newer fonts report an average over all their
// glyphs instead, capitals and symbols included, which is about a third wider and would push the
// right-hand columns of the pay stub off the page.
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
    const double width = sum / weights;
    return width > 0 ? width : metrics.averageCharWidth();
}

}  // namespace

bool printDocument(QPrinter& printer, const PrintDocument& document) {
    // The orientation belongs to the page, so it is set before the page is begun.
    for (const auto& op : document.ops)
        if (op.kind == PrintOp::Kind::Orientation)
            printer.setPageOrientation(op.orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                                    : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11);
    painter.setFont(font);
    QFontMetricsF metrics(font, &printer);
    double lineTop = 0;
    double x = 0;  // where the current line's printing has reached, from the left margin
    for (const auto& op : document.ops) {
        switch (op.kind) {
        case PrintOp::Kind::Font:
            font = QFont(QString::fromStdString(op.text));
            font.setPointSizeF(op.size);
            font.setBold(op.bold);
            painter.setFont(font);
            metrics = QFontMetricsF(font, &printer);
            break;
        case PrintOp::Kind::Orientation: break;
        case PrintOp::Kind::NewLine:
            lineTop += metrics.lineSpacing();
            x = 0;
            break;
        case PrintOp::Kind::Text: {
            const double column = (op.column - 1) * averageCharacterWidth(metrics);
            if (x > column + 0.5) {  // the column is passed: the same column of the next line
                lineTop += metrics.lineSpacing();
                x = 0;
            }
            const QString text = QString::fromStdString(op.text);
            // Text beyond the right edge is cut off by the page, never wrapped.
            painter.drawText(QPointF(column, lineTop + metrics.ascent()), text);
            x = column + metrics.horizontalAdvance(text);
            break;
        }
        case PrintOp::Kind::EndDoc: return painter.end();
        }
    }
    return painter.end();
}

bool printWidgetImage(QPrinter& printer, QWidget& widget) {
    const QPixmap picture = widget.grab();
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    QSize size = picture.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(QPoint(0, 0), size), picture);
    return painter.end();
}

}  // namespace orvane::ui
