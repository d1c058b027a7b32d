// The baseline of the whole-process benchmarks: a bare Qt Widgets program
// that shows one window with one line of text, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    QLabel label(QStringLiteral("A bare Qt Widgets window"), &window);
    label.move(20, 20);
    window.resize(480, 320);
    window.show();
    return app.exec();
}
