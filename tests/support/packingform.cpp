// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/packingform.h"

#include "support/jobrun.h"

#include "engine/prefilljob.h"

#include "support/dragdrop.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>

namespace {

QString describe(const QList<ModalRecord> &records)
{
    QStringList lines;
    for (const ModalRecord &record : records)
        lines << record.className + QStringLiteral(" \"") + record.title + QStringLiteral("\": ") +
                     record.text;
    return lines.join(QLatin1String("; "));
}

// Chooses `path` in the file dialog that pressing `button` opens. Any further
// box (a refused logo, say) is answered and reported.
QString chooseThrough(MainWindow &window, const char *button, const QString &path)
{
    ModalAnswerer answerer;
    answerer.chooseFile(path).pressOk().pressOk();
    QString problem = pressButton(window, button);
    if (!problem.isEmpty())
        return problem;
    const QList<ModalRecord> &seen = answerer.records();
    if (seen.size() != 1 || seen.first().className != QLatin1String("QFileDialog"))
        return QStringLiteral("choosing %1 with %2 raised: %3")
            .arg(path, QString::fromLatin1(button), describe(seen));
    return QString();
}

void type(QWidget *field, const QString &text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(field, &commit);
}

} // namespace

PackingInputs completeInputs(const QString &package, const QString &logo,
                             const QStringList &screenshots)
{
    PackingInputs inputs;
    inputs.package = package;
    inputs.logo = logo;
    inputs.screenshots = screenshots;
    inputs.name = QStringLiteral("Sample Viewer");
    inputs.contributor = QStringLiteral("packer");
    inputs.info = QStringLiteral("A small image viewer.\nOpens PNG files.");
    return inputs;
}

namespace {

// The form is filled from the package and its earlier bundle once the
// package is read; a packager who types their own values clears that first.
QString eraseWhatThePackageFilled(MainWindow &window)
{
    // The reading ends with its job gone: the window lets it go once it filled the form.
    // A box about the package comes then; it is answered and reported.
    ModalAnswerer answerer;
    answerer.pressOk();
    if (!QTest::qWaitFor([&window] { return !window.findChild<PrefillJob *>(); }, 120000))
        return QStringLiteral("the package was not read");
    if (!answerer.records().isEmpty())
        return QStringLiteral("reading the package raised: ") + describe(answerer.records());
    for (const char *name : {"name", "author", "website", "contributor"})
        eraseText(formWidget<QLineEdit>(window, name));
    auto *info = formWidget<QTextEdit>(window, "info");
    info->setFocus();
    info->selectAll();
    QTest::keyClick(info, Qt::Key_Delete);
    auto *shots = formWidget<QTextEdit>(window, "image");
    shots->setFocus();
    for (int lines = shots->document()->blockCount(); lines > 0 && !shots->toPlainText().isEmpty();
         --lines) {
        shots->moveCursor(QTextCursor::Start);
        QTest::keyClick(shots, Qt::Key_Delete);
    }
    if (!info->toPlainText().isEmpty() || !shots->toPlainText().isEmpty())
        return QStringLiteral("what the package filled could not be erased");
    return QString();
}

} // namespace

QString fillPackingForm(MainWindow &window, const PackingInputs &in)
{
    QString problem;
    if (!in.package.isEmpty()) {
        problem = chooseThrough(window, "pushButton_6", in.package);
        if (!problem.isEmpty())
            return problem;
        if (formWidget<QLineEdit>(window, "filename")->text() != in.package)
            return QStringLiteral("the package path did not reach the form");
        problem = eraseWhatThePackageFilled(window);
        if (!problem.isEmpty())
            return problem;
    }
    if (!in.logo.isEmpty()) {
        problem = chooseThrough(window, "pushButton_3", in.logo);
        if (!problem.isEmpty())
            return problem;
    }
    for (const QString &screenshot : in.screenshots) {
        const int before = formWidget<QTextEdit>(window, "image")->toPlainText().size();
        const std::unique_ptr<QMimeData> data(fileDragData({screenshot}));
        dragAndDrop(&window, data.get(), QPoint(window.width() / 2, window.height() / 2));
        if (formWidget<QTextEdit>(window, "image")->toPlainText().size() <= before)
            return QStringLiteral("the drop of %1 was not listed").arg(screenshot);
    }
    if (in.retypePackageName) {
        auto *field = formWidget<QLineEdit>(window, "pkgname");
        eraseText(field);
        typeText(field, in.packageName);
    }
    if (in.retypeVersion) {
        auto *field = formWidget<QLineEdit>(window, "version");
        eraseText(field);
        typeText(field, in.version);
    }
    typeText(formWidget<QLineEdit>(window, "name"), in.name);
    typeText(formWidget<QLineEdit>(window, "author"), in.author);
    typeText(formWidget<QLineEdit>(window, "website"), in.website);
    typeText(formWidget<QLineEdit>(window, "contributor"), in.contributor);
    typeText(formWidget<QTextEdit>(window, "info"), in.info);
    return QString();
}

bool isReachable(MainWindow &window, const char *objectName)
{
    auto *button = formWidget<QPushButton>(window, objectName);
    auto *central = formWidget<QWidget>(window, "centralwidget");
    if (!button || !central || !button->isVisible() || !button->isEnabled())
        return false;
    QWidget *top = central->childAt(button->mapTo(central, button->rect().center()));
    return top == button || button->isAncestorOf(top);
}

QString pressButton(MainWindow &window, const char *objectName)
{
    auto *button = formWidget<QPushButton>(window, objectName);
    if (!button)
        return QStringLiteral("no button named %1").arg(QString::fromLatin1(objectName));
    if (!isReachable(window, objectName))
        return QStringLiteral("%1 cannot be pressed now").arg(QString::fromLatin1(objectName));
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    if (!waitForWindowWork(window))
        return QStringLiteral("the work %1 started did not end")
            .arg(QString::fromLatin1(objectName));
    return QString();
}

PressOutcome pressAnswering(MainWindow &window, const char *objectName)
{
    ModalAnswerer answerer;
    answerer.pressOk().pressOk().pressOk();
    PressOutcome outcome;
    outcome.problem = pressButton(window, objectName);
    outcome.boxes = answerer.records();
    return outcome;
}

QString errorBoxProblem(const PressOutcome &press, const MainWindow &window, const QString &text,
                        bool textContinues)
{
    if (!press.problem.isEmpty())
        return press.problem;
    if (press.boxes.size() != 1)
        return QStringLiteral("%1 boxes shown, one expected").arg(press.boxes.size());
    const ModalRecord &box = press.boxes.first();
    if (box.title != QStringLiteral("错误"))
        return QStringLiteral("title: ") + box.title;
    if (box.buttons != QStringList{QStringLiteral("确定")})
        return QStringLiteral("buttons: ") + box.buttons.join(QLatin1Char('|'));
    if (box.parent != &window)
        return QStringLiteral("the box is not parented to the window");
    const bool textMatches = textContinues
                                 ? box.text.startsWith(text) && box.text.size() > text.size()
                                 : box.text == text;
    if (!textMatches)
        return QStringLiteral("text: ") + box.text;
    return QString();
}

QString makeInputPackage(const TemporaryHome &home, const QString &fileName, const QString &name,
                         const QString &version, qint64 payloadBytes)
{
    const QString path = home.filePath(QStringLiteral("inputs/") + fileName);
    // An application, yet with nothing the form could take from it.
    const QMap<QString, QByteArray> payload = {
        {QStringLiteral("usr/share/%1/data.bin").arg(name), incompressibleBytes(payloadBytes)},
        {QStringLiteral("usr/share/applications/%1.desktop").arg(name),
         QByteArray("[Desktop Entry]\nType=Application\nExec=") + name.toUtf8() + '\n'}};
    return makeDeb(path, name, version, payload, QStringLiteral("none"));
}

QString makeInputImage(const TemporaryHome &home, const QString &fileName, const QSize &size)
{
    const QString path = home.filePath(QStringLiteral("inputs/") + fileName);
    return makePng(path, size.width(), size.height()) ? path : QString();
}

void typeText(QWidget *field, const QString &text)
{
    if (text.isEmpty())
        return;
    field->setFocus();
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(field, Qt::Key_Return);
        if (!lines.at(i).isEmpty())
            type(field, lines.at(i));
    }
}

void eraseText(QLineEdit *field)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
}

QMap<QString, QString> formTexts(MainWindow &window)
{
    QMap<QString, QString> texts;
    for (const char *name :
         {"name", "filename", "pkgname", "version", "author", "website", "contributor"})
        texts.insert(QString::fromLatin1(name), formWidget<QLineEdit>(window, name)->text());
    for (const char *name : {"image", "info"})
        texts.insert(QString::fromLatin1(name), formWidget<QTextEdit>(window, name)->toPlainText());
    texts.insert(QStringLiteral("textBrowser"),
                 formWidget<QTextBrowser>(window, "textBrowser")->toPlainText());
    texts.insert(QStringLiteral("pushButton_3"),
                 formWidget<QPushButton>(window, "pushButton_3")->text());
    return texts;
}

bool showsFormView(MainWindow &window)
{
    return formWidget<QPushButton>(window, "pushButton")->isVisible() &&
           formWidget<QLineEdit>(window, "name")->isVisible() &&
           !formWidget<QPushButton>(window, "pushButton_4")->isVisible() &&
           !formWidget<QPushButton>(window, "pushButton_5")->isVisible();
}

bool showsResultView(MainWindow &window)
{
    return formWidget<QPushButton>(window, "pushButton_4")->isVisible() &&
           !formWidget<QPushButton>(window, "pushButton")->isVisible() &&
           !formWidget<QLineEdit>(window, "name")->isVisible();
}
