#include "ui/window_picture.h"

#include <QBuffer>
#include <QPixmap>
#include <QWidget>

namespace orvane::ui {

std::vector<unsigned char> windowPicture(QWidget& window) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!window.grab().save(&buffer, "PNG")) return {};
    return {bytes.begin(), bytes.end()};
}

}  // namespace orvane::ui
