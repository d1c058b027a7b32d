#pragma once
// Scoring the 15 answer boxes against the 15 words of the board, in two
// passes. The duplicate pass marks every box that repeats an earlier one
// (upper-cased and trimmed of spaces), reading the boxes as they are at that
// moment, so a mark made earlier in the pass takes part in later comparisons.
// The matching pass then finds, for each box in turn, the slot whose word it
// names exactly (trimmed, case kept); a box that names none is wrong.
#include "rules/Fifteen.h"

#include <QString>
#include <vector>

namespace rules {

// What the duplicate pass appends to a repeated answer.
inline const QString duplicateMark = QStringLiteral(" - ") + QStringLiteral("Duplicate Entry");

// What one scoring makes of the boxes.
struct Scoring {
    Fifteen<QString> texts;         // every box's text after the duplicate pass
    Fifteen<bool> wrong;            // the boxes that name no word of the board
    std::vector<int> correctslots;  // the slot each correct box names, in box order
    // The number of correct answers, 0 to 15.
    int correctcount() const { return static_cast<int>(correctslots.size()); }
};

// The boxes' texts after the duplicate pass.
Fifteen<QString> markDuplicates(Fifteen<QString> texts);

// The slot (1 to 15) whose word `answer` names, or 0 when it names none.
int slotNamedBy(const QString &answer, const Fifteen<QString> &words);

// Both passes over `answers`, against the board's `words`.
Scoring scoreAnswers(const Fifteen<QString> &answers, const Fifteen<QString> &words);

} // namespace rules
