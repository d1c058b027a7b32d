#include "toolkit/Text.h"

#include <cmath>
#include <cstdio>

namespace tk {

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
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    QString digits = QString::fromLatin1(buffer);
    if (digits.contains(QLatin1Char('e'))) {
        // Values this large or small never reach the report; write them plainly.
        std::snprintf(buffer, sizeof buffer, "%.15f", value);
        digits = QString::fromLatin1(buffer);
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

} // namespace tk
