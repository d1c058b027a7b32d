#pragma once
// Collects the runtime errors and message boxes a test provokes, in place of
// the real sinks, for as long as it lives.
#include "toolkit/MessageBox.h"
#include "toolkit/RuntimeError.h"

#include <QStringList>
#include <vector>

struct ErrorCatcher {
    std::vector<int> errors;
    QStringList prompts;
    QStringList titles;
    std::function<void()> onBox;  // runs while a box is "open"

    ErrorCatcher()
    {
        tk::setErrorSink([this](int number, const QString &) { errors.push_back(number); });
        tk::MessageBox::setPresenter([this](const QString &prompt, const QString &title) {
            prompts << prompt;
            titles << title;
            if (onBox)
                onBox();
        });
    }
    ~ErrorCatcher()
    {
        tk::setErrorSink(nullptr);
        tk::MessageBox::setPresenter(nullptr);
    }
};
