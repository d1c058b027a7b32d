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

// Silences the headless platform, which says on every opacity change that it
// cannot show it; the tests read the kept values instead.
inline void quietAboutOpacity()
{
    static QtMessageHandler testLog = nullptr;
    testLog = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            testLog(type, context, message);
    });
}
