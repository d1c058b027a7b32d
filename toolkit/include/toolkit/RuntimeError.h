#pragma once
// Runtime errors of the game's language: a failed check or control operation
// raises one; the event dispatcher ends the running handler, reports the
// error and lets the program run on.
#include <QString>
#include <functional>
#include <stdexcept>

namespace tk {

// Error numbers used by the runtime.
enum ErrorNumber : int {
    InvalidCall = 5,       // "Invalid procedure call or argument"
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    ObjectNotSet = 91,
    ElementMissing = 340,  // control array element does not exist
    AlreadyLoaded = 360,   // control array element already loaded
    InvalidPicture = 481,
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const QString &description);
    int number() const { return m_number; }
    QString description() const { return QString::fromUtf8(what()); }

private:
    int m_number;
};

// Raises runtime error `number`; never returns.
[[noreturn]] void raise(int number, const QString &description = {});

// Receives every reported error; the default writes stderr and shows a message box.
using ErrorSink = std::function<void(int number, const QString &description)>;

// Replaces the error sink (tests count reports); returns the previous one.
ErrorSink setErrorSink(ErrorSink sink);

// Reports an error through the current sink.
void reportError(int number, const QString &description);

// Runs one event handler: a runtime error ends it, is reported, and is contained.
void runHandler(const std::function<void()> &handler);

} // namespace tk
