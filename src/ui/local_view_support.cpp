#include "ui/local_view_support.h"

namespace orvane::ui {

QString columnHeading(const char* text) {
    QString heading = QString::fromUtf8(text).trimmed();
    if (heading.size() <= 12) return heading;
    qsizetype best = -1;
    for (qsizetype i = 0; i < heading.size(); ++i)
        if (heading[i] == ' ' && (best < 0 || qAbs(i - heading.size() / 2) < qAbs(best - heading.size() / 2))) best = i;
    if (best > 0) heading[best] = '\n';
    return heading;
}

QLabel* columnHeadingLabel(const char* text) {
    auto* l = new QLabel(columnHeading(text));
    l->setMinimumHeight(l->sizeHint().height());  // both lines, however tight the window
    l->setAlignment(Qt::AlignCenter);
    return l;
}

}  // namespace orvane::ui
