#include "ui/user_widgets.h"

#include <QEvent>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace orvane::ui {

namespace {

class SelectAllOnFocus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            if (auto* edit = qobject_cast<QLineEdit*>(watched))
                // After the focus change has settled, or a mouse click would clear the selection.
                QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
        return false;
    }
};

}  // namespace

void selectOnFocus(QLineEdit* edit) { edit->installEventFilter(new SelectAllOnFocus(edit)); }

void selectOnFocus(QComboBox* combo) {
    if (combo->lineEdit()) selectOnFocus(combo->lineEdit());
}

void numericKeysOnly(QLineEdit* edit) {
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9 .\\-]*"), edit));
}

}  // namespace orvane::ui
