#include "rules/Text.h"

#include <array>
#include <charconv>

namespace rules {

QString str(long long value)
{
    return QString::number(value);
}

QString trim(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

QString ucase(const QString &text)
{
    return text.toUpper();
}

QString numberText(double value)
{
    // Written the same in every country: std::to_chars ignores the C
    // library's locale, where printf would write a comma under many.
    std::array<char, 400> buffer{};
    auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    QString digits = QString::fromLatin1(buffer.data(), written.ptr - buffer.data());
    if (digits.contains(QLatin1Char('e'))) {
        // Values this large or small never reach the report; write them plainly.
        written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 15);
        digits = QString::fromLatin1(buffer.data(), written.ptr - buffer.data());
        if (digits.contains(QLatin1Char('.'))) {
            while (digits.endsWith(QLatin1Char('0')))
                digits.chop(1);
            if (digits.endsWith(QLatin1Char('.')))
                digits.chop(1);
        }
    }
    if (digits.startsWith(QLatin1Char('-')))
        return digits;
    return QLatin1Char(' ') + digits;
}

} // namespace rules
