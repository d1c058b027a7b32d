#pragma once
// Small helpers of the window tests.
#include <QCoreApplication>
#include <QEvent>
#include <QString>

// Runs the deletions and queued calls that windows leave for the event loop.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents(qApp, QEvent::MetaCall);
}

// Silences the headless platform's notices that it cannot raise a window or
// pass on its size hints, which the tests do not need; anything about
// opacity is passed on.
inline void quietAboutHeadlessLimits()
{
    static QtMessageHandler testLog = nullptr;
    testLog = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")) || message.contains(QLatin1String("opacity")))
            testLog(type, context, message);
    });
}
