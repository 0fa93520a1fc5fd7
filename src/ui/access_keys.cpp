#include "ui/access_keys.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QToolButton>
#include <functional>
#include <vector>

namespace orvane::ui {

namespace {

const char* const kCaption = "orvaneCaption";  // the caption as the view set it
const char* const kShown = "orvaneShown";      // the caption with the key given here

// Where the caption's own key mark stands, or -1 ("&&" is a shown ampersand, not a mark).
qsizetype markAt(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return i;
    }
    return -1;
}

// One captioned thing of the window: how to read and set its caption.
struct Captioned {
    QObject* object;
    std::function<QString()> text;
    std::function<void(const QString&)> setText;
};

// Gives each caption of one scope a key no earlier one of the scope has.
class Keys {
public:
    void give(const Captioned& item) {
        QString caption = item.text();
        // A caption this very pass marked before starts again from the view's own.
        if (item.object->property(kShown).toString() == caption && !caption.isEmpty())
            caption = item.object->property(kCaption).toString();
        if (caption.trimmed().isEmpty()) return;
        const QString shown = keyed(caption);
        item.object->setProperty(kCaption, caption);
        item.object->setProperty(kShown, shown);
        if (shown != item.text()) item.setText(shown);
    }

private:
    QString keyed(const QString& caption) {
        const qsizetype mark = markAt(caption);
        if (mark >= 0 && take(caption[mark + 1])) return caption;
        QString plain = caption;
        if (mark >= 0) plain.remove(mark, 1);
        // A word's first letter reads best, then any letter or digit.
        for (int pass = 0; pass < 2; ++pass) {
            for (qsizetype i = 0; i < plain.size(); ++i) {
                const QChar c = plain[i];
                if (!c.isLetterOrNumber()) continue;
                const bool wordStart = i == 0 || !plain[i - 1].isLetterOrNumber();
                if (pass == 0 && !wordStart) continue;
                if (i > 0 && plain[i - 1] == '&') continue;  // the second of a shown "&&"
                if (take(c)) return plain.left(i) + '&' + plain.mid(i);
            }
        }
        return plain;  // every letter of it taken: no key
    }
    bool take(QChar c) {
        if (!c.isLetterOrNumber()) return false;
        const QChar key = c.toLower();
        if (m_taken.contains(key)) return false;
        m_taken.insert(key);
        return true;
    }
    QSet<QChar> m_taken;
};

Captioned ofAction(QAction* a) {
    return {a, [a] { return a->text(); }, [a](const QString& t) { a->setText(t); }};
}

}  // namespace

QString withoutAccessKey(const QString& caption) {
    QString plain = caption;
    const qsizetype mark = markAt(plain);
    if (mark >= 0) plain.remove(mark, 1);
    return plain;
}

void assignAccessKeys(QWidget* window) {
    if (!window) return;
    Keys keys;
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        if (bar->window() != window) continue;
        for (QAction* title : bar->actions()) {
            if (title->isSeparator()) continue;
            keys.give(ofAction(title));
        }
    }
    // Commands first, then check boxes and option buttons.
    for (bool commands : {true, false})
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            // Tool buttons are pictures or the ledger's week numbers: their texts are no captions.
            if (b->window() != window || b->text().isEmpty() || qobject_cast<QToolButton*>(b)) continue;
            if ((qobject_cast<QPushButton*>(b) != nullptr) != commands) continue;
            keys.give({b, [b] { return b->text(); }, [b](const QString& t) { b->setText(t); }});
        }
}

}  // namespace orvane::ui
