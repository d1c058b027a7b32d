#pragma once
// What a hostile player may put into an answer box, for the robustness tests.
#include "rules/Scoring.h"

#include <QString>
#include <QStringList>

namespace player {

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
        QStringLiteral("WATCH") + rules::duplicateMark,
        rules::duplicateMark,
        QStringLiteral("  ") + rules::duplicateMark + rules::duplicateMark,
    };
}

} // namespace player
