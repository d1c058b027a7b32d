#pragma once
// One game, the only owner of what a game is: its phase, the 15 pictures
// drawn with their words, the memorise count, the recall clock's figures,
// the answers as they stand and the last scoring. Every move says what it
// changed; the window asks and draws. A plain value: copy it to keep a state.
#include "rules/Draw.h"
#include "rules/Fifteen.h"
#include "rules/Scoring.h"

#include <QString>
#include <functional>

namespace rules {

constexpr int memoriseSeconds = 20;
constexpr int recallMinutes = 2;

enum class Phase {
    NoGame,    // nothing drawn yet
    Memorise,  // the pictures show and the count runs to 20
    Recall,    // the pictures are covered, the answers open, the 2 minutes run
    Finished,  // scored: the answers are closed, the clock stands
};

// What one tick of a clock did.
enum class Tick {
    Ignored,     // that clock does not run now
    Counted,     // its figures moved on
    CountDone,   // the memorise count reached 20: recall is due
    TimeUp,      // the recall clock reached 2 minutes: scoring is due
};

// What a slot of the board shows.
enum class Shows {
    Picture,      // its own picture, as drawn for memorising
    Placeholder,  // covered for recall
    Uncovered,    // its own picture again, after Give Up or a correct answer
};

class Game {
public:
    // The word of catalog entry `catalogIndex`.
    using KeyOf = std::function<QString(int catalogIndex)>;

    // Ends any game and starts a fresh one: 15 pictures drawn from `random`, their words from `keyOf`, the count at 0.
    void newGame(RandomSource &random, const KeyOf &keyOf);
    // One second of the memorise count.
    Tick memoriseTick();
    // Covers the board, opens the answers and sets the recall clock to 2 minutes; false unless memorising.
    bool startRecall();
    // One second of the recall clock.
    Tick recallTick();
    // Answer box `box` (1 to 15) now reads `text`; false when nothing changed or no board stands.
    bool setAnswer(int box, const QString &text);
    // Uncovers every slot; false unless the answers are open or scored.
    bool giveUp();
    // Scores the answers as they stand and stops the clock; false unless the answers are open or scored.
    bool submit();

    Phase phase() const { return m_phase; }
    // True from a game's start until the next New Game.
    bool gamerunning() const { return m_phase != Phase::NoGame; }
    // Whether each clock runs now.
    bool memoriseClockRuns() const { return m_phase == Phase::Memorise && m_memorised < memoriseSeconds; }
    bool recallClockRuns() const { return m_phase == Phase::Recall && m_elapsedMinutes < recallMinutes; }

    // The catalog index and the word of slot `slot`'s picture.
    int chosenindex(int slot) const { return m_chosenIndex[slot]; }
    const QString &chosenword(int slot) const { return m_chosenWord[slot]; }
    // What slot `slot` shows.
    Shows shows(int slot) const { return m_shows[slot]; }

    // The memorise count in the memorise phase; the seconds passed of the recall clock after it.
    int elapsedseconds() const { return m_phase == Phase::Memorise ? m_memorised : m_elapsedSeconds; }
    int elapsedminutes() const { return m_elapsedMinutes; }
    int remainingseconds() const { return m_remainingSeconds; }
    int remainingminutes() const { return m_remainingMinutes; }

    // Answer box `box`'s text as it stands (after a scoring, with its marks).
    const QString &answer(int box) const { return m_answers[box]; }

    // The last scoring: the number correct, the slots they named in box order, the boxes that named none.
    int score() const { return m_scoring.correctcount(); }
    const Scoring &scoring() const { return m_scoring; }

private:
    Phase m_phase = Phase::NoGame;
    Fifteen<int> m_chosenIndex;
    Fifteen<QString> m_chosenWord;
    Fifteen<Shows> m_shows;
    Fifteen<QString> m_answers;
    int m_memorised = 0;
    int m_elapsedSeconds = 0;
    int m_elapsedMinutes = 0;
    int m_remainingSeconds = 0;
    int m_remainingMinutes = 0;
    Scoring m_scoring;
};

} // namespace rules
