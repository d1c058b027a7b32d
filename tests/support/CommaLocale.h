#pragma once
// Checks that a test runs under the comma-decimal locale its ctest entry
// asks for: a missing locale fails the run instead of passing it unseen.
#include <QLocale>
#include <QTest>
#include <clocale>
#include <cstdio>

inline void requireCommaDecimalLocale()
{
    char written[16];
    std::snprintf(written, sizeof written, "%.1f", 1.5);
    const QByteArray numeric = std::setlocale(LC_NUMERIC, nullptr);
    QVERIFY2(QByteArray(written) == "1,5" && QLocale::system().decimalPoint() == QStringLiteral(","),
             qPrintable(QStringLiteral("the comma-decimal locale is not in force (LC_NUMERIC is '%1', "
                                       "LC_ALL '%2', LOCPATH '%3'): install the package locales and build again")
                            .arg(QString::fromLatin1(numeric), qEnvironmentVariable("LC_ALL"),
                                 qEnvironmentVariable("LOCPATH"))));
}
