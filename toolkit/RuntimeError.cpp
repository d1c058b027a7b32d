#include "toolkit/RuntimeError.h"
#include "toolkit/MessageBox.h"

#include <QCoreApplication>
#include <cstdio>
#include <utility>

namespace tk {

namespace {

QString standardDescription(int number)
{
    switch (number) {
    case InvalidCall: return QStringLiteral("Invalid procedure call or argument");
    case Overflow: return QStringLiteral("Overflow");
    case SubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case DivisionByZero: return QStringLiteral("Division by zero");
    case ObjectNotSet: return QStringLiteral("Object variable not set");
    case ElementMissing: return QStringLiteral("Control array element doesn't exist");
    case AlreadyLoaded: return QStringLiteral("Object already loaded");
    case InvalidPicture: return QStringLiteral("Invalid picture");
    default: return QStringLiteral("Application-defined error");
    }
}

void defaultSink(int number, const QString &description)
{
    std::fprintf(stderr, "tavlin-quorvane: run-time error %d: %s\n", number,
                 qPrintable(description));
    std::fflush(stderr);
    const QString prompt = QStringLiteral("Run-time error '%1':\r\n\r\n%2").arg(number).arg(description);
    MessageBox::show(prompt, QCoreApplication::applicationName());
}

ErrorSink sink;  // none: the default

} // namespace

RuntimeError::RuntimeError(int number, const QString &description)
    : std::runtime_error((description.isEmpty() ? standardDescription(number) : description).toStdString())
    , m_number(number)
{
}

void raise(int number, const QString &description)
{
    throw RuntimeError(number, description);
}

ErrorSink setErrorSink(ErrorSink newSink)
{
    return std::exchange(sink, std::move(newSink));
}

void reportError(int number, const QString &description)
{
    (sink ? sink : ErrorSink(defaultSink))(number, description);
}

void runHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const RuntimeError &e) {
        reportError(e.number(), e.description());
    } catch (const std::bad_alloc &) {
        reportError(7, QStringLiteral("Out of memory"));
    } catch (const std::exception &e) {
        reportError(51, QString::fromLocal8Bit(e.what()));
    }
}

} // namespace tk
