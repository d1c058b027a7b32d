#pragma once
// The application object: a runtime error that escapes any event is
// reported and contained instead of ending the program.
#include <QApplication>

namespace tk {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace tk
