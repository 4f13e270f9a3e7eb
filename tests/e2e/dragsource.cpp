// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in for a file manager in the end-to-end test: a small window that
// starts a real file drag of the next file named on its command line each time
// the left button goes down on it, the way a person drags a file icon.
//
// Usage: plinvex_e2e_dragsource <file>...
// Prints "ready" once shown, "drag <n> done <action>" when the n-th drag
// gesture ends and "drag <n> delivered <format>" when the drop target fetches
// its data, so the driving script can wait on facts rather than on time.

#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QStringList>
#include <QUrl>

#include <cstdio>

namespace {

void say(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

// Reports when the drop target fetches the file list: on X11 that happens
// after the drop, while the target handles it, so it tells the driving script
// that the drop reached the window.
class ReportingMimeData : public QMimeData
{
public:
    explicit ReportingMimeData(int dragNumber)
        : number(dragNumber)
    {
    }

protected:
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QVariant retrieveData(const QString &mimeType, QMetaType type) const override
#else
    QVariant retrieveData(const QString &mimeType, QVariant::Type type) const override
#endif
    {
        say(QStringLiteral("drag %1 delivered %2").arg(number).arg(mimeType));
        return QMimeData::retrieveData(mimeType, type);
    }

private:
    const int number;
};

class DragSource : public QLabel
{
public:
    explicit DragSource(const QStringList &paths)
        : files(paths)
    {
        setWindowTitle(QStringLiteral("plinvex-e2e-dragsource"));
        setAlignment(Qt::AlignCenter);
        setFixedSize(160, 120);
        setStyleSheet(QStringLiteral("background-color: rgb(90, 160, 90); color: white;"));
        showNext();
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton || next >= files.size())
            return;
        const QString file = files.at(next++);
        auto *data = new ReportingMimeData(next);
        data->setUrls({QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath())});
        // On X11 the target fetches the data after exec() has returned, so the
        // drag must outlive this handler; the platform or, at the latest, the
        // parent deletes it.
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        // Tells the driving script that a target has taken the drag on, so the
        // button may be released over it.
        const int number = next;
        connect(drag, &QDrag::actionChanged, this, [number](Qt::DropAction action) {
            say(QStringLiteral("drag %1 action %2").arg(number).arg(int(action)));
        });
        // A visible drag image helps when reading screenshots of a failed run.
        QPixmap image(32, 32);
        image.fill(Qt::darkGreen);
        drag->setPixmap(image);
        const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
        say(QStringLiteral("drag %1 done %2").arg(next).arg(int(action)));
        showNext();
    }

private:
    void showNext()
    {
        setText(next < files.size() ? QFileInfo(files.at(next)).fileName()
                                    : QStringLiteral("(no more files)"));
    }

    const QStringList files;
    int next = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList files = QApplication::arguments().mid(1);
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: plinvex_e2e_dragsource <file>...\n");
        return 2;
    }
    DragSource source(files);
    source.show();
    // Input that comes before the event loop runs waits in the X queue.
    say(QStringLiteral("ready"));
    return app.exec();
}
