#include "app/mainwindow.h"
#include "tools/terminationsignals.h"

#include <QApplication>

int main(int argc, char *argv[])
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 5 scales a fixed-size form on dense screens only when asked before
    // start-up; Qt 6 always does and deprecates both attributes.
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plinvex"));
    QApplication::setApplicationVersion(QStringLiteral(PLINVEX_VERSION));
    // Lets docks and Wayland compositors match the window to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.plinvex.Plinvex"));
    MainWindow window;
    // A logout or a kill ends the program the way closing the window does.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &window, &MainWindow::endProgram);
    window.show();
    return app.exec();
}
