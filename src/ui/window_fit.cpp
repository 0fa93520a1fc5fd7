#include "ui/window_fit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QTimer>

namespace orvane::ui {

namespace {

class FittingScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        if (!widget()) return QScrollArea::sizeHint();
        const int frame = 2 * frameWidth();
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        return widget()->sizeHint() + QSize(frame + bar, frame + bar);
    }

protected:
    // Content that grows (longer captions, a larger font) grows the window as a plain layout
    // would, as far as the screen has room; only past that does the content scroll.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget() && event->type() == QEvent::LayoutRequest) {
            updateGeometry();
            QTimer::singleShot(0, this, [this] {
                QWidget* w = window();
                if (!w->isVisible() || w->isMaximized() || w->isFullScreen()) return;
                const QSize hint = w->sizeHint();
                if (hint.width() > w->width() || hint.height() > w->height())
                    fitOnScreen(w, w->size().expandedTo(hint));
            });
        }
        return QScrollArea::eventFilter(watched, event);
    }
};

bool rememberSizes = false;

QString sizeKey(const QWidget* window) {
    const QString name = window->objectName().isEmpty() ? QString(window->metaObject()->className()) : window->objectName();
    return QStringLiteral("windowSize/") + name;
}

// Saves the window's size each time it is hidden.
class SizeKeeper : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && rememberSizes) {
            auto* window = static_cast<QWidget*>(watched);
            QSettings("Orvane", "Orvane").setValue(sizeKey(window), window->size());
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void rememberWindowSizes(bool on) { rememberSizes = on; }

void keepSize(QWidget* window) {
    if (!window || window->property("orvaneSizeKept").toBool()) return;
    window->setProperty("orvaneSizeKept", true);
    window->installEventFilter(new SizeKeeper(window));
    const QSize kept = rememberSizes ? QSettings("Orvane", "Orvane").value(sizeKey(window)).toSize() : QSize();
    // A window its view gave no size has Qt's, at most two thirds of the screen: it gets its
    // natural size instead, as far as the screen has room.
    const QSize given = window->testAttribute(Qt::WA_Resized) ? window->size() : QSize();
    fitOnScreen(window, kept.isValid() ? kept : given);
}

QScrollArea* scrollingArea(QWidget* content) {
    auto* area = new FittingScrollArea;
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    // Tab goes to the boxes inside, and the area follows the focus; the area itself is no stop.
    area->setFocusPolicy(Qt::NoFocus);
    return area;
}

void fitOnScreen(QWidget* window, QSize wanted) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    // The window frame and title bar take some of the room.
    const QSize frame(16, 48);
    if (!wanted.isValid()) wanted = window->sizeHint();
    const QSize size = wanted.expandedTo(window->minimumSizeHint()).boundedTo(room.size() - frame);
    window->resize(size);
    QRect placed = window->frameGeometry();
    if (!room.contains(placed)) {
        placed.moveLeft(qBound(room.left(), placed.left(), qMax(room.left(), room.right() - placed.width())));
        placed.moveTop(qBound(room.top(), placed.top(), qMax(room.top(), room.bottom() - placed.height())));
        window->move(placed.topLeft());
    }
}

void makeIndependent(QWidget* window) {
    const Qt::WindowFlags flags = window->windowFlags();
    window->setParent(nullptr);
    window->setWindowFlags(flags | Qt::Window);
}

}  // namespace orvane::ui
