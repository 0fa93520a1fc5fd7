#include "ui/button_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace orvane::ui {

namespace {

constexpr int kSize = 64;  // drawn large, shown at 32 pixels, sharp on high-density screens

const QColor kInk(60, 60, 70);

void drawClear(QPainter& p) {
    // A sheet of paper crossed out in red.
    p.setPen(QPen(kInk, 3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(12, 6, 40, 52), 4, 4);
    p.setPen(QPen(QColor(170, 170, 180), 3));
    for (int y = 18; y <= 42; y += 8) p.drawLine(QPointF(20, y), QPointF(44, y));
    p.setPen(QPen(QColor(205, 40, 40), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 16), QPointF(46, 48));
    p.drawLine(QPointF(46, 16), QPointF(18, 48));
}

void drawCalculate(QPainter& p) {
    // A calculator: body, display, a grid of keys and a green add key.
    p.setPen(QPen(kInk, 3));
    p.setBrush(QColor(90, 95, 110));
    p.drawRoundedRect(QRectF(10, 4, 44, 56), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 230, 200));
    p.drawRect(QRectF(16, 10, 32, 12));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            p.setBrush(row == 2 && col == 2 ? QColor(60, 170, 80) : QColor(235, 235, 240));
            p.drawRoundedRect(QRectF(16 + col * 11, 28 + row * 10, 9, 8), 2, 2);
        }
}

void drawYearToDate(QPainter& p) {
    // A calendar page with a red heading and its days.
    p.setPen(QPen(kInk, 3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(6, 10, 52, 48), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 50, 50));
    p.drawRect(QRectF(8, 12, 48, 11));
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 5), QPointF(20, 16));
    p.drawLine(QPointF(44, 5), QPointF(44, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) p.drawRect(QRectF(13 + col * 11, 29 + row * 9, 6, 5));
}

void drawOvertime(QPainter& p) {
    // A clock face at a late hour.
    p.setPen(QPen(kInk, 3));
    p.setBrush(QColor(255, 250, 225));
    p.drawEllipse(QPointF(32, 32), 26, 26);
    for (int h = 0; h < 12; ++h) {
        const double a = h * M_PI / 6;
        p.drawLine(QPointF(32 + 20 * std::sin(a), 32 - 20 * std::cos(a)), QPointF(32 + 24 * std::sin(a), 32 - 24 * std::cos(a)));
    }
    p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 32), QPointF(32, 14));
    p.setPen(QPen(QColor(205, 50, 50), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 32), QPointF(46, 40));
}

void drawVacation(QPainter& p) {
    // A sun over the sea.
    p.setPen(QPen(QColor(230, 150, 20), 4, Qt::SolidLine, Qt::RoundCap));
    for (int r = 0; r < 8; ++r) {
        const double a = r * M_PI / 4;
        p.drawLine(QPointF(32 + 17 * std::cos(a), 26 + 17 * std::sin(a)), QPointF(32 + 25 * std::cos(a), 26 + 25 * std::sin(a)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPointF(32, 26), 12, 12);
    p.setBrush(QColor(50, 120, 200));
    QPainterPath sea;
    sea.moveTo(4, 50);
    sea.cubicTo(16, 44, 24, 56, 32, 50);
    sea.cubicTo(40, 44, 48, 56, 60, 50);
    sea.lineTo(60, 60);
    sea.lineTo(4, 60);
    sea.closeSubpath();
    p.drawPath(sea);
}

void drawPrint(QPainter& p) {
    // A printer with a sheet going in and one coming out.
    p.setPen(QPen(kInk, 3));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(18, 6, 28, 18));
    p.setBrush(QColor(150, 155, 170));
    p.drawRoundedRect(QRectF(6, 22, 52, 24), 5, 5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(18, 38, 28, 20));
    p.setPen(QPen(QColor(170, 170, 180), 3));
    p.drawLine(QPointF(23, 46), QPointF(41, 46));
    p.drawLine(QPointF(23, 52), QPointF(41, 52));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 170, 80));
    p.drawEllipse(QPointF(50, 30), 3, 3);
}

}  // namespace

QIcon buttonIcon(ButtonPicture picture) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case ButtonPicture::Clear: drawClear(p); break;
    case ButtonPicture::Calculate: drawCalculate(p); break;
    case ButtonPicture::YearToDate: drawYearToDate(p); break;
    case ButtonPicture::Overtime: drawOvertime(p); break;
    case ButtonPicture::Vacation: drawVacation(p); break;
    case ButtonPicture::Print: drawPrint(p); break;
    }
    p.end();
    return QIcon(pixmap);
}

}  // namespace orvane::ui
