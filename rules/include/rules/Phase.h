#pragma once
// The phases of a game and what moves it from one to the next.

namespace rules {

enum class Phase { Memorise, Recall, Finished };

enum class Move {
    NewGame,       // a fresh board: memorise again, whatever came before
    RecallStarts,  // the memorise count reached its end
    GiveUp,        // every picture uncovered; the game goes on
    Submit,        // the answers scored, by the player or by the clock
};

// The phase a game is in after `move`.
constexpr Phase after(Phase phase, Move move)
{
    switch (move) {
    case Move::NewGame:
        return Phase::Memorise;
    case Move::RecallStarts:
        return Phase::Recall;
    case Move::Submit:
        return Phase::Finished;
    case Move::GiveUp:
        break;
    }
    return phase;
}

} // namespace rules
