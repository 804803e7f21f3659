// Refuses typed characters other than the digits and "-" in the edit box it watches.
#pragma once

#include <QObject>

namespace tessivane::app {

class DigitKeyFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tessivane::app
