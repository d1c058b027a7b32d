#include "rules/Game.h"

namespace rules {

void Game::newGame(RandomSource &random, const KeyOf &keyOf)
{
    Game fresh;
    fresh.m_phase = Phase::Memorise;
    fresh.m_chosenIndex = drawPictures(random);
    for (int slot = 1; slot <= slotCount; ++slot) {
        fresh.m_chosenWord[slot] = keyOf(fresh.m_chosenIndex[slot]);
        fresh.m_shows[slot] = Shows::Picture;
    }
    *this = fresh;
}

Tick Game::memoriseTick()
{
    if (!memoriseClockRuns())
        return Tick::Ignored;
    m_memorised += 1;
    return m_memorised == memoriseSeconds ? Tick::CountDone : Tick::Counted;
}

bool Game::startRecall()
{
    if (m_phase != Phase::Memorise)
        return false;
    m_phase = Phase::Recall;
    m_elapsedSeconds = 0;
    m_elapsedMinutes = 0;
    m_remainingSeconds = 60;
    m_remainingMinutes = recallMinutes - 1;
    for (int slot = 1; slot <= slotCount; ++slot)
        m_shows[slot] = Shows::Placeholder;
    return true;
}

Tick Game::recallTick()
{
    if (!recallClockRuns())
        return Tick::Ignored;
    m_elapsedSeconds += 1;
    if (m_elapsedSeconds % 60 == 0) {
        m_elapsedSeconds = 0;
        m_elapsedMinutes += 1;
    }
    // The seconds remaining wrap before they count down, so that the minute
    // that is left shows as 1 and 0, not as 0 and 0.
    if (m_remainingSeconds == 0) {
        m_remainingSeconds = 60;
        m_remainingMinutes -= 1;
    }
    m_remainingSeconds -= 1;
    return m_elapsedMinutes == recallMinutes ? Tick::TimeUp : Tick::Counted;
}

bool Game::setAnswer(int box, const QString &text)
{
    if (!gamerunning() || m_answers[box] == text)
        return false;
    m_answers[box] = text;
    return true;
}

bool Game::giveUp()
{
    if (m_phase != Phase::Recall && m_phase != Phase::Finished)
        return false;
    for (int slot = 1; slot <= slotCount; ++slot)
        m_shows[slot] = Shows::Uncovered;
    return true;
}

bool Game::submit()
{
    if (m_phase != Phase::Recall && m_phase != Phase::Finished)
        return false;
    m_phase = Phase::Finished;
    m_scoring = scoreAnswers(m_answers, m_chosenWord);
    m_answers = m_scoring.texts;
    for (const int slot : m_scoring.correctslots)
        m_shows[slot] = Shows::Uncovered;
    return true;
}

} // namespace rules
