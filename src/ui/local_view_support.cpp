#include "ui/local_view_support.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>
#include <QValidator>

#include "core/controls.h"

namespace orvane::ui {

namespace {

bool keptByNumericFilter(const QString& text) {
    for (char32_t c : text.toUcs4())
        if (!acceptsNumericKey(c)) return false;
    return true;
}

class NumericValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override { return keptByNumericFilter(input) ? Acceptable : Invalid; }
};

}  // namespace

QLineEdit* BoxBehaviour::columnBox(const char* column, int row, std::function<void(const std::string&)> write) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString("%1_%2").arg(column).arg(row));
    attach(edit, true);
    QObject::connect(edit, &QLineEdit::textEdited, this,
                     [write = std::move(write)](const QString& text) { write(text.toStdString()); });
    return edit;
}

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

void BoxBehaviour::attach(QLineEdit* box, bool numeric) {
    box->installEventFilter(this);
    box->setProperty("orvaneNumeric", numeric);
    if (numeric) {
        box->setValidator(new NumericValidator(box));
        box->setAlignment(Qt::AlignRight);
    }
}

bool BoxBehaviour::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        box->selectAll();
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
    } else if (event->type() == QEvent::KeyPress && box->property("orvaneNumeric").toBool()) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        bool typesText = !text.isEmpty();
        for (QChar c : text)
            if (!c.isPrint()) typesText = false;
        if (typesText && !keptByNumericFilter(text)) return true;
    }
    return QObject::eventFilter(watched, event);
}

void showText(QLineEdit* box, const std::string& text) {
    const QString shown = qs(text);
    if (box->text() == shown) return;
    QSignalBlocker block(box);
    box->setText(shown);
}

}  // namespace orvane::ui
