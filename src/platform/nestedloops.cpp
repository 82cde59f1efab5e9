#include "platform/nestedloops.h"

#include <QApplication>
#include <QThread>
#include <QWidget>

namespace kelvane {

bool insideNestedLoop() {
    return QThread::currentThread()->loopLevel() > 1;
}

void closeModalWindows() {
    // Each close takes the window off its stack, so the next one comes up.
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    while (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
        if (QApplication::activeModalWidget() == modal)
            modal->hide(); // a dialog that refuses to close still leaves
    }
}

} // namespace kelvane
