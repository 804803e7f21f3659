// The window's typeface: SimSun where the system has it, a CJK font of the same cut otherwise.
#include "app/UiFont.h"

#include <QStringList>

namespace tessivane::app {
using namespace Qt::StringLiterals;

QFont UiFont(int pixelSize, bool bold) {
    QFont font;
    // AR PL UMing is the Ming (Song) face that the install script brings.
    font.setFamilies({u"SimSun"_s, u"宋体"_s, u"AR PL UMing CN"_s});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace tessivane::app
