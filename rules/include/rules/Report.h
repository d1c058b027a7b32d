#pragma once
// The result report shown when a game is scored: the count, the percentage
// and a rating, worded the same in every country.
#include <QString>

namespace rules {

// The percentage text for c correct answers: the number text of c × 100 / 15, cut to 5 characters.
QString percentageText(int c);

// The whole prompt of the result box for c correct answers (0 to 15).
QString resultPrompt(int c);

// The title of the result box.
QString resultTitle();

} // namespace rules
