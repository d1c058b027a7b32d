#pragma once
// The text rules of the game's language.
#include <QString>

namespace tk {

// A whole number as plain decimal digits, a minus sign when negative, no leading space.
QString str(long long value);

// Removes leading and trailing space characters (code 32) and nothing else.
QString trim(const QString &text);

// Turns every letter into its capital.
QString ucase(const QString &text);

// A number as the runtime writes it: a space where a plus sign would stand,
// at most 15 significant digits, a point, no trailing zeros, no exponent.
QString numberText(double value);

} // namespace tk
