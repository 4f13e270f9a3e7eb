// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"
#include "app/mainwindow.h"
#include "cli/submissioncommand.h"
#include "tools/terminationsignals.h"
#include "wording/uilanguage.h"

#include <QApplication>

#include <QTimer>
#include <csignal>

namespace {

// The window draws without OpenGL, yet Qt's X11 platform loads the GL
// integration and its drivers for every window: most of start-up time and
// tens of MiB. A user's own choice stands.
void skipUnusedOpenGl()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}

// --help and --version need no window, so they are answered before the
// application object that would connect to the display exists.
void answerHelpAndVersion(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    installTranslations(app);
    CommandLine commandLine;
    commandLine.answerHelpAndVersion(QCoreApplication::arguments());
}

// `plinvex pack` and `plinvex check` run without any window or display.
int runCommandLine(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    installTranslations(app);
    return runSubmissionCommand(QCoreApplication::arguments());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Plinvex"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLINVEX_VERSION));
    if (argc > 1 && isSubmissionCommand(QString::fromLocal8Bit(argv[1])))
        return runCommandLine(argc, argv);
    if (argc > 1)
        answerHelpAndVersion(argc, argv);

    skipUnusedOpenGl();
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 5 scales a fixed-size form on dense screens only when asked before
    // start-up; Qt 6 always does and deprecates both attributes.
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QApplication app(argc, argv);
    // Lets docks and Wayland compositors match the window to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.plinvex.Plinvex"));
    installTranslations(app);
    CommandLine commandLine;
    commandLine.parse(QCoreApplication::arguments());

    MainWindow window;
    // A logout, a kill or Ctrl+C in the terminal that started it ends the
    // program the way closing the window does.
    TerminationSignals termination({SIGTERM, SIGHUP, SIGINT});
    QObject::connect(&termination, &TerminationSignals::received, &window,
                     [&window](int) { window.endProgram(); });
    window.show();
    const QString package = commandLine.packagePath();
    // Once the window is up, so a box about the package has a window to stand over.
    if (!package.isEmpty())
        QTimer::singleShot(0, &window, [&window, package] { window.openPackage(package); });
    return app.exec();
}
