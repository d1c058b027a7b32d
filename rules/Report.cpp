#include "rules/Report.h"
#include "rules/Text.h"

namespace rules {

QString percentageText(int c)
{
    return numberText(static_cast<double>(c) * 100.0 / 15.0).left(5);
}

QString resultPrompt(int c)
{
    if (c == 0)
        return QStringLiteral("Correct Answers:") + str(0);
    const QString lineBreak = QStringLiteral("\r\n");
    const QString report = QStringLiteral("Correct Answers:") + str(c) + lineBreak
        + QStringLiteral("Percentage :") + QStringLiteral(" ") + percentageText(c) + lineBreak
        + QStringLiteral("Intelligence Level is: ");
    if (c == 15)
        return report + QStringLiteral(" Superior");
    if (c >= 10)
        return report + QStringLiteral(" Above Average");
    if (c >= 5)
        return report + QStringLiteral(" Average");
    return report + QStringLiteral(" Below Average");
}

QString resultTitle()
{
    return QStringLiteral("Tavlin Quorvane");
}

} // namespace rules
