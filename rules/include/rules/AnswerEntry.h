#pragma once
// What a key typed into an answer box does: Enter walks on to the next box,
// and from the last to Submit; a lower-case letter arrives as its capital.
#include "rules/Fifteen.h"

namespace rules {

// Key codes of typed characters.
constexpr int enterKey = 13;
constexpr int lowerCaseA = 97;
constexpr int lowerCaseZ = 122;
// From a lower-case letter's code to its capital's.
constexpr int capitalOffset = 32;

enum class FocusMove { Stay, NextBox, Submit };

struct KeyOutcome {
    int keyAscii;     // the character the box receives
    FocusMove focus;  // where the focus goes
};

// What key `keyAscii` typed into box `box` (1 to 15) does.
constexpr KeyOutcome answerKey(int box, int keyAscii)
{
    if (keyAscii == enterKey)
        return {keyAscii, box == slotCount ? FocusMove::Submit : FocusMove::NextBox};
    if (keyAscii >= lowerCaseA && keyAscii <= lowerCaseZ)
        return {keyAscii - capitalOffset, FocusMove::Stay};
    return {keyAscii, FocusMove::Stay};
}

} // namespace rules
