// Numbers as stored texts: "%.13g" out, full-width folding and an atof-like reading in.
#pragma once

#include <string>
#include <string_view>

namespace tessivane::settings {

/// The number as printf "%.13g" writes it in the "C" locale: "50", "0.5", "-1".
std::string NumberText(double value);

/// Full-width forms folded to ASCII, a character at a time: the pairs A3 A1..A3 FE to the
/// bytes 21..7E, A1 A1 to a blank, A1 AB to "~", A1 EE and A1 EF to "*".
std::string FoldFullWidth(std::string_view text);

/// The folded text read as atof reads it in the "C" locale: leading white space skipped, the
/// longest prefix that forms a decimal number taken, 0 when there is none.
double ParseNumberText(std::string_view text);

/// Truncated toward zero; beyond the range of int it saturates, and NaN gives 0.
int TruncateToInt(double value);

}  // namespace tessivane::settings
