// Refuses typed characters other than the digits and "-" in the edit box it watches.
#include "app/DigitKeyFilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace tessivane::app {
namespace {

bool Allowed(const QString& typed) {
    for (const QChar c : typed) {
        // Control keys (Backspace, Enter, Ctrl+V...) produce no printable text and pass.
        if (c.isPrint() && !(c >= u'0' && c <= u'9') && c != u'-') {
            return false;
        }
    }
    return true;
}

}  // namespace

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    // Text from an input method arrives without key presses.
    if (event->type() == QEvent::InputMethod &&
        !Allowed(static_cast<QInputMethodEvent*>(event)->commitString())) {
        return true;
    }
    if (event->type() == QEvent::KeyPress && !Allowed(static_cast<QKeyEvent*>(event)->text())) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tessivane::app
