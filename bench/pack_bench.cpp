// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Driver of bench/pack-bench. Two jobs:
//
//   plinvex_pack_bench prepare <folder>
//       makes the inputs: a Debian package of about 50 MB, a 1024x1024 logo
//       and ten 1920x1080 screenshots with the detail of real screen content.
//   plinvex_pack_bench pack <folder> <home> [package]
//       packs them (or another package) into <home>/Desktop/hello through the
//       real window, offscreen, then compresses the bundle, and prints in
//       milliseconds: the wall time the pack button took, the CPU time spent
//       meanwhile by the program and its tools, the longest time the event
//       loop went without running during the pack, then the wall time and the
//       longest such gap of the compression.

#include "app/mainwindow.h"
#include "engine/prefilljob.h"
#include "support/packingform.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>

#include <cstdio>

#include <sys/resource.h>

namespace {

// CPU time of this process and of the tools it has waited for, in ms.
qint64 cpuMilliseconds()
{
    qint64 total = 0;
    for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        total += (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000 +
                 (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
    }
    return total;
}

constexpr qint64 kPackageBytes = 50LL * 1024 * 1024;
constexpr int kScreenshots = 10;

QString packagePath(const QString &folder)
{
    return folder + QStringLiteral("/hello_1.0_all.deb");
}

QString logoPath(const QString &folder)
{
    return folder + QStringLiteral("/logo.png");
}

QString screenshotPath(const QString &folder, int number)
{
    return folder + QStringLiteral("/screenshot %1.png").arg(number);
}

// Gradients, windows, text and a photo-like noisy area: a PNG that costs
// about what a real screenshot costs to read and scale.
QImage screenContent(int width, int height, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient background(0, 0, width, height);
    background.setColorAt(0, QColor::fromHsv(int(random.bounded(360)), 90, 230));
    background.setColorAt(1, QColor::fromHsv(int(random.bounded(360)), 160, 120));
    painter.fillRect(image.rect(), background);
    for (int i = 0; i < 12; ++i) {
        const QRect window(int(random.bounded(width - 200)), int(random.bounded(height - 150)),
                           200 + int(random.bounded(width / 2)),
                           150 + int(random.bounded(height / 2)));
        painter.fillRect(window, QColor(245, 245, 245));
        painter.fillRect(window.x(), window.y(), window.width(), 28, QColor(60, 60, 70));
        painter.setPen(QColor(30, 30, 30));
        for (int line = 0; line < window.height() / 20 - 2; ++line)
            painter.drawText(
                window.x() + 10, window.y() + 50 + line * 20,
                QStringLiteral("Line %1 of some text in a window %2").arg(line).arg(i));
    }
    painter.end();
    const QRect photo(width / 2, height / 3, width / 3, height / 2);
    for (int y = photo.top(); y <= photo.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = photo.left(); x <= photo.right(); ++x)
            row[x] = qRgb(int(random.bounded(256)), (x * 255) / width, (y * 255) / height);
    }
    return image;
}

int prepare(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return 1;
    const QMap<QString, QByteArray> payload = {
        {QStringLiteral("usr/share/hello/data.bin"), incompressibleBytes(kPackageBytes)}};
    if (makeDeb(packagePath(folder), QStringLiteral("hello"), QStringLiteral("1.0"), payload,
                QStringLiteral("none"))
            .isEmpty()) {
        std::fprintf(stderr, "could not build the package\n");
        return 1;
    }
    if (!screenContent(1024, 1024, 1).save(logoPath(folder), "PNG"))
        return 1;
    for (int number = 1; number <= kScreenshots; ++number) {
        if (!screenContent(1920, 1080, quint32(number + 1))
                 .save(screenshotPath(folder, number), "PNG"))
            return 1;
    }
    return 0;
}

// The longest time the event loop went without running: a timer asks to
// run every millisecond and notes how late it came.
class LoopGaps
{
public:
    LoopGaps()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(1);
        QObject::connect(&timer, &QTimer::timeout,
                         [this] { worst = qMax(worst, sinceLast.restart()); });
        reset();
        timer.start();
    }
    void reset()
    {
        worst = 0;
        sinceLast.start();
    }
    qint64 longest() const { return qMax(worst, sinceLast.elapsed()); }

private:
    QTimer timer;
    QElapsedTimer sinceLast;
    qint64 worst = 0;
};

int pack(const QString &folder, const QString &home, const QString &package)
{
    qputenv("HOME", QFile::encodeName(home));
    if (!QFileInfo(home + QStringLiteral("/Desktop")).isDir()) {
        std::fprintf(stderr, "%s has no Desktop folder\n", qPrintable(home));
        return 1;
    }
    QStringList screenshots;
    for (int number = 1; number <= kScreenshots; ++number)
        screenshots << screenshotPath(folder, number);

    MainWindow window;
    window.show();
    const QString problem =
        fillPackingForm(window, completeInputs(package, logoPath(folder), screenshots));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "filling the form: %s\n", qPrintable(problem));
        return 1;
    }

    LoopGaps gaps;
    const qint64 cpuBefore = cpuMilliseconds();
    QElapsedTimer clock;
    clock.start();
    const PressOutcome press = pressAnswering(window, "pushButton");
    const qint64 elapsed = clock.elapsed();
    const qint64 cpu = cpuMilliseconds() - cpuBefore;

    if (!press.problem.isEmpty() || !press.boxes.isEmpty() ||
        !QFileInfo::exists(home + QStringLiteral("/Desktop/hello/app.json"))) {
        std::fprintf(stderr, "packing failed: %s%s\n", qPrintable(press.problem),
                     press.boxes.isEmpty() ? "" : qPrintable(press.boxes.first().text));
        return 1;
    }
    QElapsedTimer compressClock;
    compressClock.start();
    const qint64 packGap = gaps.longest();
    gaps.reset();
    const PressOutcome compress = pressAnswering(window, "pushButton_5");
    const qint64 compressElapsed = compressClock.elapsed();
    if (!compress.problem.isEmpty() || !compress.boxes.isEmpty()) {
        std::fprintf(stderr, "compressing failed\n");
        return 1;
    }
    std::printf("%lld %lld %lld %lld %lld\n", elapsed, cpu, packGap, compressElapsed,
                gaps.longest());
    return 0;
}

// Chooses the package as the open-file button does and prints how long the
// window took until its metadata was read and the longest time its event
// loop stood still meanwhile (the probe, which holds the window, not counted).
int read(const QString &home, const QString &package)
{
    qputenv("HOME", QFile::encodeName(home));
    MainWindow window;
    window.show();
    QElapsedTimer clock;
    clock.start();
    window.openPackage(package);
    const qint64 probe = clock.elapsed();
    LoopGaps gaps;
    // The reading is done once the window has let its job go. An event
    // loop of its own waits, which sleeps in no steps of its own.
    if (auto *reading = window.findChild<PrefillJob *>()) {
        QEventLoop untilRead;
        QObject::connect(reading, &QObject::destroyed, &untilRead, &QEventLoop::quit);
        untilRead.exec();
    }
    std::printf("%lld %lld %lld\n", probe, clock.elapsed() - probe, gaps.longest());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("prepare"))
        return prepare(arguments.at(2));
    if ((arguments.size() == 4 || arguments.size() == 5) &&
        arguments.at(1) == QLatin1String("pack"))
        return pack(arguments.at(2), arguments.at(3),
                    arguments.size() == 5 ? arguments.at(4) : packagePath(arguments.at(2)));
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("read"))
        return read(arguments.at(2), arguments.at(3));
    std::fprintf(
        stderr,
        "usage: %s prepare <folder> | pack <folder> <home> [package] | read <home> <package>\n",
        argv[0]);
    return 2;
}
