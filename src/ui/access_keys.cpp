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

// Gives the captions of one scope their keys, none twice: first every caption its own mark while
// it is free, then in turn the first free first letter of a word, then any free letter or digit,
// so that a caption takes a letter from the middle of a word only when no word start is left.
class Keys {
public:
    void add(const Captioned& item) {
        QString caption = item.text();
        // A caption marked here before starts again from the view's own.
        if (item.object->property(kShown).toString() == caption && !caption.isEmpty())
            caption = item.object->property(kCaption).toString();
        if (caption.trimmed().isEmpty()) return;
        m_items.push_back({item, caption, {}});
    }

    void assign() {
        for (Item& i : m_items) {
            const qsizetype mark = markAt(i.caption);
            if (mark >= 0 && take(i.caption[mark + 1])) i.shown = i.caption;
        }
        for (bool wordStart : {true, false})
            for (Item& i : m_items)
                if (i.shown.isEmpty()) i.shown = keyed(plain(i.caption), wordStart);
        for (Item& i : m_items) {
            if (i.shown.isEmpty()) i.shown = plain(i.caption);  // every letter of it taken: no key
            i.item.object->setProperty(kCaption, i.caption);
            i.item.object->setProperty(kShown, i.shown);
            if (i.shown != i.item.text()) i.item.setText(i.shown);
        }
    }

private:
    struct Item {
        Captioned item;
        QString caption, shown;
    };

    static QString plain(const QString& caption) {
        QString text = caption;
        if (const qsizetype mark = markAt(text); mark >= 0) text.remove(mark, 1);
        return text;
    }
    // The caption with the first free letter marked (of a word's start only, if so asked), or
    // nothing when none is free.
    QString keyed(const QString& text, bool wordStart) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (!c.isLetterOrNumber()) continue;
            if (wordStart && i > 0 && text[i - 1].isLetterOrNumber()) continue;
            if (i > 0 && text[i - 1] == '&') continue;  // the second of a shown "&&"
            if (take(c)) return text.left(i) + '&' + text.mid(i);
        }
        return {};
    }
    bool take(QChar c) {
        if (!c.isLetterOrNumber()) return false;
        const QChar key = c.toLower();
        if (m_taken.contains(key)) return false;
        m_taken.insert(key);
        return true;
    }
    std::vector<Item> m_items;
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
            keys.add(ofAction(title));
        }
    }
    // Commands first, then check boxes and option buttons.
    for (bool commands : {true, false})
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            // Tool buttons are pictures or the ledger's week numbers: their texts are no captions.
            if (b->window() != window || b->text().isEmpty() || qobject_cast<QToolButton*>(b)) continue;
            if ((qobject_cast<QPushButton*>(b) != nullptr) != commands) continue;
            keys.add({b, [b] { return b->text(); }, [b](const QString& t) { b->setText(t); }});
        }
    keys.assign();
}

}  // namespace orvane::ui
