// The run's options read straight from the window's controls, at every call.
#include "app/WindowOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "app/GbkQString.h"

namespace tessivane::app {

std::string WindowOptions::templateText() {
    return templates_.TemplateText(templates_.currentIndex());
}
int WindowOptions::titleSource() {
    return c_.titleSource->currentIndex();
}
bool WindowOptions::dropFirstLine() {
    return c_.dropFirstLine->isChecked();
}
bool WindowOptions::cutBetween() {
    return c_.cutBetween->isChecked();
}
std::string WindowOptions::cutLeft() {
    return ToGbk(c_.cutLeft->text());
}
std::string WindowOptions::cutRight() {
    return ToGbk(c_.cutRight->text());
}
bool WindowOptions::keepWhenCutEmpty() {
    return c_.keepWhenCutEmpty->isChecked();
}
bool WindowOptions::useExtension() {
    return c_.useExtension->isChecked();
}
std::string WindowOptions::extension() {
    return ToGbk(c_.extension->text());
}
bool WindowOptions::writeIndex() {
    return c_.writeIndex->isChecked();
}
std::string WindowOptions::pageSize() {
    return ToGbk(c_.pageSize->text());
}
int WindowOptions::encoding() {
    return c_.encoding->currentIndex();
}
bool WindowOptions::rewriteTitle() {
    return c_.rewriteTitle->isChecked();
}
bool WindowOptions::useRegex() {
    return c_.useRegex->isChecked();
}
std::string WindowOptions::matchText() {
    return ToGbk(c_.matchText->text());
}
std::string WindowOptions::replaceText() {
    return ToGbk(c_.replaceText->text());
}

}  // namespace tessivane::app
