// The window's typeface: SimSun where the system has it, a CJK font of the same cut otherwise.
#pragma once

#include <QFont>

namespace tessivane::app {

inline constexpr int kNormalPixels = 12;

QFont UiFont(int pixelSize = kNormalPixels, bool bold = false);

}  // namespace tessivane::app
