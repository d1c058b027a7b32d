#pragma once
// What a hostile player may put into an answer box, and an independent
// reckoning of what scoring must make of the boxes, for the robustness tests.
#include "catalog/ImageList.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace player {

inline const QString duplicateMark = QStringLiteral(" - Duplicate Entry");

// One mebibyte of text: letters, digits and spaces, ending in an emoji.
inline const QString &oneMegabyte()
{
    static const QString text = [] {
        QString t;
        const QString pattern = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 watch ");
        t.reserve((1 << 20) + pattern.size());
        while (t.size() < (1 << 20) - 2)
            t += pattern;
        t.truncate((1 << 20) - 2);
        t += QString::fromUtf16(u"\U0001F600");
        return t;
    }();
    return text;
}

// Texts that have broken text boxes and string code elsewhere; the 1 MB text is left out.
inline QStringList hostileTexts()
{
    return {
        QString(),
        QStringLiteral(" "),
        QStringLiteral("   "),
        QString::fromUtf16(u"\U0001F600\U0001F44D\U0001F3FD"),                 // emoji, skin tone modifier
        QString::fromUtf16(u"WATCH\U0001F600"),
        QString::fromUtf16(u"E\u0301\u0302\u0303X"),                          // combining marks
        QString::fromUtf16(u"\u0301"),                                        // a lone combining mark
        QString::fromUtf16(u"\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627"),  // right-to-left
        QString::fromUtf16(u"\u202EHCTAW\u202C"),                             // right-to-left override
        QString::fromUtf16(u"A\u0000B"),                                      // NUL inside
        QString(1, QChar(0)),                                                 // NUL alone
        QString::fromUtf16(u"\u0001\u0007\t\r\n\u001B[2J\u007F"),             // control characters
        QStringLiteral("WATCH\r\nWATCH"),
        QString(1, QChar(char16_t(0xD800))),                                  // a lone surrogate
        QString::fromUtf16(u"stra\u00DFe \u0131 \uFB01"),                     // letters that grow when upper-cased
        QStringLiteral("%1 %s %n {0} <b>x</b> &amp;"),
        QStringLiteral("WATCH") + duplicateMark,
        duplicateMark,
        QStringLiteral("  ") + duplicateMark + duplicateMark,
    };
}

// Upper-cased and trimmed of spaces, as the duplicate pass compares answers.
inline QString folded(const QString &text)
{
    const QString upper = text.toUpper();
    qsizetype begin = 0, end = upper.size();
    while (begin < end && upper.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && upper.at(end - 1) == QLatin1Char(' '))
        --end;
    return upper.mid(begin, end - begin);
}

// Trimmed of spaces alone, as the matching pass compares answers.
inline QString trimmed(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

// What one scoring makes of the 15 boxes (index 1..15; 0 unused).
struct Scored {
    std::array<QString, 16> texts;      // after the duplicate marks
    std::array<bool, 16> wrong{};       // boxes that name no word of the board
    std::vector<int> recalledSlots;     // slots named, in the order of the boxes
};

// Scores `texts` against the board's `words` by the game's rules.
inline Scored score(const std::array<QString, 16> &texts, const std::array<QString, 16> &words)
{
    Scored s;
    s.texts = texts;
    std::array<QString, 16> key;
    for (int b = 1; b <= 15; ++b)
        key[b] = folded(s.texts[b]);
    for (int i = 1; i <= 15; ++i) {
        int agreeing = 0;
        for (int j = 1; j <= 15; ++j) {
            if (key[i] != key[j])
                continue;
            ++agreeing;
            if (!s.texts[j].isEmpty() && agreeing > 1) {
                s.texts[j] += duplicateMark;
                key[j] = folded(s.texts[j]);
                break;
            }
        }
    }
    for (int b = 1; b <= 15; ++b) {
        const QString answer = trimmed(s.texts[b]);
        int found = 0;
        for (int slot = 1; slot <= 15 && !found; ++slot)
            if (answer == words[slot])
                found = slot;
        if (found)
            s.recalledSlots.push_back(found);
        else
            s.wrong[b] = true;
    }
    return s;
}

} // namespace player
