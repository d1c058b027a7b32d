#pragma once
// The colours the game gives its board's controls.
#include "toolkit/Colour.h"

namespace game {

// The name labels' background: a light orange.
constexpr tk::OleColor nameLabelOrange = tk::rgb(255, 224, 192);
// The number labels' background: white.
constexpr tk::OleColor numberLabelWhite = tk::rgb(255, 255, 255);
// The tint of an answer box that names no picture of the board: a light pink.
constexpr tk::OleColor wrongAnswerTint = tk::rgb(253, 206, 207);

} // namespace game
