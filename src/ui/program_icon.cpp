#include "ui/program_icon.h"

namespace orvane::ui {

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/orvane/icon/%1x%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace orvane::ui
