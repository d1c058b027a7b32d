#pragma once
// How the game writes numbers and compares answers. Nothing here follows the
// system's locale: the game reads the same in every country.
#include <QString>

namespace rules {

// A whole number as plain decimal digits, a minus sign when negative, no leading space.
QString str(long long value);

// Removes leading and trailing space characters (code 32) and nothing else.
QString trim(const QString &text);

// Turns every letter into its capital.
QString ucase(const QString &text);

// A number as the report writes it: a space where a plus sign would stand,
// at most 15 significant digits, a point, no trailing zeros, no exponent.
QString numberText(double value);

} // namespace rules
