// The text the help link shows: how the options fit the two kinds of article files.
#pragma once

#include <QString>

namespace tessivane::app {

/// The help's lines joined by CR LF, as the message box takes every text.
QString HelpText();

}  // namespace tessivane::app
