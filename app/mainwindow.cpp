// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"

#include "app/deferredpolish.h"
#include "app/findingslist.h"
#include "app/findingwords.h"
#include "app/form/formbuilder.h"
#include "app/formprefill.h"
#include "app/screenshotlist.h"
#include "app/screenshotpaste.h"
#include "bundle/bundleassembly.h"
#include "bundle/compression.h"
#include "bundle/controlfile.h"
#include "bundle/desktopfolder.h"
#include "engine/checkfindings.h"
#include "engine/packagefacts.h"
#include "engine/packgate.h"
#include "engine/pictureheader.h"
#include "engine/prefilljob.h"
#include "package/valuechoice.h"
#include "tools/toolrunner.h"
#include "wording/failuretexts.h"
#include "wording/uilanguage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMap>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextEdit>

#include <limits>

// The resources live in the library; a static library needs them pulled in by name.
static void initPlinvexResources()
{
    Q_INIT_RESOURCE(plinvex);
}

namespace {

bool isNotRegularFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

bool isFileDrag(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return static_cast<const QDropEvent *>(event)->mimeData()->hasUrls();
    default:
        return false;
    }
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , form(new FormWidgets)
    , lastIconPath(QLatin1String(""))
    , toolTimeout(kToolTimeoutMs)
{
    initPlinvexResources();
    // Before the form exists: changing the flags later re-creates the window
    // and re-polishes every widget, decoding both backgrounds on the way.
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
    buildForm(*form, this);
    setFixedSize(geometry().width(), geometry().height());
    setAcceptDrops(true);
    form->icon->setScaledContents(true);
    screenshots = new ScreenshotList(form->image);
    prefill = new FormPrefill(*form, this);
    routeFileDropsToWindow();
    setKeyboardOrder();
    // Pasted files are screenshots just like dropped ones.
    connect(new ScreenshotPaste(this), &ScreenshotPaste::urlPasted, this,
            &MainWindow::addScreenshot);
    // The check's findings follow every change of the form and its package.
    findings = new FindingsList(
        form->findings, [this] { return formValues(); },
        [this] { return packageFacts(form->filename->text(), lastMetadata, lastEarlier); }, this);
    for (QLineEdit *edit : {form->name, form->filename, form->pkgname, form->version, form->author,
                            form->website, form->contributor})
        connect(edit, &QLineEdit::textChanged, findings, &FindingsList::schedule);
    connect(form->info, &QTextEdit::textChanged, findings, &FindingsList::schedule);
    connect(form->image, &QTextEdit::textChanged, findings, &FindingsList::schedule);
    connect(findings, &FindingsList::fieldActivated, this, &MainWindow::focusField);
    // The result view's background is a large picture the first view never shows.
    new DeferredPolish(form->lable33);
    showFormView();
    clearForm();
}

MainWindow::~MainWindow()
{
    delete form;
}

// Closing during work calls the work off; once its tools are stopped and its
// temporary files gone, the window closes for real.
void MainWindow::closeEvent(QCloseEvent *event)
{
    stopPrefill();
    if (work) {
        closeWhenIdle = true;
        work->kill();
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::endProgram()
{
    stopPrefill();
    if (!work) {
        QCoreApplication::quit();
        return;
    }
    quitWhenIdle = true;
    work->kill();
}

// Runs `job` as the window's work, then `next` once it has ended, unless the
// packager asked to leave meanwhile.
void MainWindow::startWork(Job *job, const std::function<void()> &next)
{
    work = job;
    connect(job, &Job::progress, this, &MainWindow::showProgress);
    connect(job, &Job::finished, this, [this, job, next] {
        work = nullptr;
        job->deleteLater();
        hideProgress();
        if (!leaveIfAsked())
            next();
    });
    job->start();
}

// True, with the window closed, when closing or ending the program was
// asked for while the work ran; the last window closed ends the program.
bool MainWindow::leaveIfAsked()
{
    if (!closeWhenIdle && !quitWhenIdle)
        return false;
    close();
    return true;
}

// ---------------------------------------------------------------- views

void MainWindow::setViewVisibility(bool formView)
{
    const QList<QWidget *> formWidgets = {
        form->label,       form->label_2,      form->label_3,      form->label_4,
        form->label_5,     form->label_6,      form->label_7,      form->label_8,
        form->label_9,     form->lable22,      form->name,         form->filename,
        form->pkgname,     form->version,      form->author,       form->website,
        form->contributor, form->image,        form->info,         form->icon,
        form->pushButton,  form->pushButton_2, form->pushButton_3, form->pushButton_6,
        form->findings};
    for (QWidget *widget : formWidgets)
        widget->setVisible(formView);
    form->lable33->setVisible(!formView);
    form->pushButton_4->setVisible(!formView);
    form->pushButton_5->setVisible(!formView);
    form->textBrowser->hide();
    form->progress->hide();
}

void MainWindow::showFormView()
{
    setViewVisibility(true);
    findings->schedule();
}

void MainWindow::showResultView()
{
    setViewVisibility(false);
}

void MainWindow::clearForm()
{
    for (QLineEdit *edit : {form->name, form->filename, form->pkgname, form->version, form->author,
                            form->website, form->contributor})
        edit->clear();
    screenshots->clear();
    form->info->clear();
    form->icon->clear();
    form->textBrowser->clear();
    pendingListing.clear();
    form->pushButton_3->setText(tr("单击此处选择Logo图标"));
    // The invitation to choose a logo means it: the last submission's logo
    // must not slip into the next one unseen.
    iconPath.clear();
    lastIconPath.clear();
    logoChosen = false;
    corruptPackage.clear();
    lastMetadata = PackageMetadata();
    lastEarlier = EarlierBundle();
    stopPrefill();
    prefill->forget();
}

// A file dropped on a text field counts as a drop on the window, so a
// screenshot can land anywhere and no field receives a file address as text.
void MainWindow::routeFileDropsToWindow()
{
    const QList<QWidget *> fields = {
        form->name,    form->pkgname,     form->version,         form->author,
        form->website, form->contributor, form->info->viewport()};
    for (QWidget *field : fields)
        field->installEventFilter(this);
}

// Top to bottom through the form, then the logo and the two buttons below.
// The text edits hand Tab on instead of typing it, so no field traps the focus.
void MainWindow::setKeyboardOrder()
{
    const QList<QWidget *> order = {form->name,         form->filename,     form->pushButton_6,
                                    form->pkgname,      form->version,      form->author,
                                    form->website,      form->contributor,  form->image,
                                    form->info,         form->pushButton_3, form->pushButton,
                                    form->pushButton_2, form->pushButton_5, form->textBrowser,
                                    form->pushButton_4, form->findings};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    form->info->setTabChangesFocus(true);
    form->image->setTabChangesFocus(true);
}

// A finding's line leads to the widget where its field is given.
void MainWindow::focusField(const QString &field)
{
    const QMap<QString, QWidget *> widgets = {{QStringLiteral("name"), form->name},
                                              {QStringLiteral("pkgname"), form->pkgname},
                                              {QStringLiteral("version"), form->version},
                                              {QStringLiteral("author"), form->author},
                                              {QStringLiteral("homepage"), form->website},
                                              {QStringLiteral("contributor"), form->contributor},
                                              {QStringLiteral("description"), form->info},
                                              {QStringLiteral("logo"), form->pushButton_3},
                                              {QStringLiteral("screenshots"), form->image},
                                              {QStringLiteral("screenshot"), form->image},
                                              {QStringLiteral("package"), form->pushButton_6}};
    if (QWidget *widget = widgets.value(field))
        widget->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (!isFileDrag(event))
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::Drop)
        dropEvent(static_cast<QDropEvent *>(event));
    else
        static_cast<QDragMoveEvent *>(event)->acceptProposedAction();
    return true;
}

// ---------------------------------------------------------------- slots

void MainWindow::on_pushButton_clicked()
{
    if (work || !packRequestAccepted())
        return;
    // The packager packs what the form shows now.
    stopPrefill();
    fillOptionalFields();
    showResultView();
    buildBundle();
}

void MainWindow::on_pushButton_2_clicked()
{
    close();
}

void MainWindow::on_pushButton_3_clicked()
{
    if (work)
        return;
    iconPath = QFileDialog::getOpenFileName(this, tr("选择图标"), QDir::homePath(),
                                            tr("Image Files(*.png)"));
    if (!iconPath.isEmpty() && isNotRegularFile(iconPath)) {
        // The preview would read a pipe for ever; the earlier logo stays.
        showNotRegularFileBox(iconPath);
        iconPath = lastIconPath;
        return;
    }
    if (!iconPath.isEmpty()) {
        lastIconPath = iconPath;
        logoChosen = true;
        showLogoPreview();
        return;
    }
    informNothingChosen();
    iconPath = lastIconPath;
}

// Another submission waits until the work for this one has ended.
void MainWindow::on_pushButton_4_clicked()
{
    if (work)
        return;
    clearForm();
    showFormView();
}

void MainWindow::on_pushButton_5_clicked()
{
    if (work)
        return;
    form->textBrowser->show();
    form->pushButton_5->hide();
    compressBundle();
}

void MainWindow::on_pushButton_6_clicked()
{
    if (work)
        return;
    submission.debPath = QFileDialog::getOpenFileName(this, tr("选择安装包"), QDir::homePath(),
                                                      tr("Deb Files(*.deb)"));
    if (submission.debPath.isEmpty()) {
        informNothingChosen();
        return;
    }
    openPackage(submission.debPath);
}

void MainWindow::openPackage(const QString &path)
{
    if (work)
        return;
    submission.debPath = path;
    form->filename->setText(submission.debPath);
    readChosenPackage();
}

// ---------------------------------------------------------------- inputs

void MainWindow::informNothingChosen()
{
    QMessageBox::information(nullptr, tr("呐！"), tr("根本没有选中东西嘛！"), QMessageBox::Ok,
                             QMessageBox::NoButton);
}

// The name and version the last package gave go at once; the package's own
// come with its reading, which runs in the confined reader while the
// packager goes on.
void MainWindow::readChosenPackage()
{
    stopPrefill();
    lastMetadata = PackageMetadata();
    lastEarlier = EarlierBundle();
    findings->schedule();
    submission.pkgName.clear();
    submission.version.clear();
    form->pkgname->clear();
    form->version->clear();
    // A pipe or a device would be read for ever: it is not read at all.
    if (isNotRegularFile(submission.debPath)) {
        showNotRegularFileBox(submission.debPath);
        return;
    }
    startPrefill();
}

// Reads the package in the background, so the packager can type meanwhile;
// only the latest reading fills the form, and one called off never does.
void MainWindow::startPrefill()
{
    stopPrefill();
    PrefillRequest request;
    const auto given = [](const QString &text) {
        return SourcedText{text, ValueSource::Given};
    };
    request.given.package = given(submission.debPath);
    request.given.pkgName = given(form->pkgname->text());
    request.given.version = given(form->version->text());
    if (logoChosen)
        request.given.logo = given(iconPath);
    request.desktopDir = desktopPath();
    request.languages = metadataLanguages(prefersEnglish(QLocale::system()));
    prefillJob = new PrefillJob(request, this);
    PrefillJob *job = prefillJob;
    connect(job, &Job::finished, this, [this, job] {
        job->deleteLater();
        if (job != prefillJob)
            return;
        prefillJob = nullptr;
        fillFromPackage(job->result());
    });
    job->start();
}

// The reader is stopped at once: deleting the job ends its tools.
void MainWindow::stopPrefill()
{
    delete prefillJob;
    prefillJob = nullptr;
}

// The earlier bundle of the package first, then what the package says of
// itself; fields the packager made their own stay as they are.
void MainWindow::fillFromPackage(const Prefill &found)
{
    lastMetadata = found.metadata;
    lastEarlier = found.earlier;
    findings->schedule();
    corruptPackage = found.metadata.corrupt ? submission.debPath : QString();
    // What the packager typed while the package was read stays theirs.
    if (form->pkgname->text().isEmpty()) {
        submission.pkgName = found.metadata.package;
        form->pkgname->setText(submission.pkgName);
    }
    if (form->version->text().isEmpty()) {
        submission.version = found.metadata.version;
        form->version->setText(submission.version);
    }
    prefill->apply(found.values);
    fillLogo(found.values.logo.value);
    if (screenshots->isEmpty())
        screenshots->setPaths(found.values.screenshots);
    if (found.metadata.package.isEmpty()) {
        // The path stays so the packager can type name and version by hand.
        QMessageBox::critical(this, tr("呐！"),
                              tr("读不出这个安装包的包名和版本呢，手动填一下吧～"), QMessageBox::Ok,
                              QMessageBox::NoButton);
    }
}

// A logo the packager chose stays; one the program put in follows the package.
void MainWindow::fillLogo(const QString &path)
{
    if (logoChosen)
        return;
    iconPath = path;
    lastIconPath = path;
    if (!path.isEmpty()) {
        showLogoPreview();
        return;
    }
    form->icon->clear();
    form->pushButton_3->setText(tr("单击此处选择Logo图标"));
}

void MainWindow::showLogoPreview()
{
    form->pushButton_3->setText(QString());
    // Measured by its header first: a small file may claim a huge picture.
    const QImage picture = readPictureWithinCaps(iconPath);
    const QSize box(135, 135);
    const QSize shown = picture.width() > box.width() || picture.height() > box.height()
                            ? picture.size().scaled(box, Qt::KeepAspectRatio)
                            : picture.size();
    form->icon->setPixmap(picture.isNull()
                              ? QPixmap()
                              : QPixmap::fromImage(picture.scaled(shown, Qt::IgnoreAspectRatio,
                                                                  Qt::SmoothTransformation)));
    findings->schedule();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    event->acceptProposedAction();
}

// One screenshot per drop: a drag of several files brings its first.
void MainWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    addScreenshot(urls.isEmpty() ? QUrl() : urls.first());
}

void MainWindow::addScreenshot(const QUrl &url)
{
    if (work)
        return;
    const QFileInfo droppedFile(url.toLocalFile());
    if (droppedFile.suffix() != QLatin1String("png")) {
        QMessageBox::critical(this, tr("呐！"), tr("内个...只支持png文件呢～"), QMessageBox::Ok,
                              QMessageBox::NoButton);
        return;
    }
    screenshots->append(droppedFile.filePath());
}

// ---------------------------------------------------------------- packing

// The refusals, their order and the findings behind them are the engine's
// window gate; here they only become boxes.
bool MainWindow::packRequestAccepted()
{
    const QString path = form->filename->text();
    PackageFacts facts = packageFacts(path, lastMetadata, lastEarlier);
    // Only a reading of this very package says it was cut short.
    facts.corrupt = !corruptPackage.isEmpty() && path == corruptPackage;
    const WindowVerdict verdict = windowVerdict(formValues(), facts);
    switch (verdict.refusal) {
    case WindowRefusal::None:
        return true;
    case WindowRefusal::PackageMissing:
        QMessageBox::critical(this, tr("呐！"), tr("这是个不存在的文件啊喂！"), QMessageBox::Ok,
                              QMessageBox::NoButton);
        break;
    case WindowRefusal::NotDebName:
        QMessageBox::critical(this, tr("呐！"), tr("内个...你选择的好像不是deb文件呐～"),
                              QMessageBox::Ok, QMessageBox::NoButton);
        break;
    case WindowRefusal::RequiredEmpty:
        QMessageBox::information(nullptr, tr("诶？"), tr("你好像忘记了什么～"), QMessageBox::Ok,
                                 QMessageBox::NoButton);
        break;
    case WindowRefusal::PkgnameNotFolderName:
        QMessageBox::critical(this, tr("呐！"), tr("包名不能包含斜杠，也不能是.或..哦～"),
                              QMessageBox::Ok, QMessageBox::NoButton);
        break;
    case WindowRefusal::PackageCorrupt:
        QMessageBox::critical(this, tr("呐！"), tr("这个安装包不完整或者坏掉了，不能打包哦～"),
                              QMessageBox::Ok, QMessageBox::NoButton);
        break;
    case WindowRefusal::HiddenCharacter: {
        const Finding &hidden = verdict.finding;
        const QString character = hidden.params.isEmpty() ? hidden.measured : hidden.params.first();
        QMessageBox::critical(this, tr("呐！"),
                              tr("%1里有一个看不见的字符 %2，删掉它再打包吧～")
                                  .arg(formLabel(hidden.field), character),
                              QMessageBox::Ok, QMessageBox::NoButton);
        break;
    }
    case WindowRefusal::HomepageScheme:
        QMessageBox::critical(this, tr("呐！"), tr("主页只能是http或https开头的网址哦～"),
                              QMessageBox::Ok, QMessageBox::NoButton);
        break;
    }
    return false;
}

// The store wants every key filled; a blank marks an optional field left out.
void MainWindow::fillOptionalFields()
{
    if (form->author->text().isEmpty())
        form->author->setText(kOptionalFieldBlank);
    if (form->website->text().isEmpty())
        form->website->setText(kOptionalFieldBlank);
}

// The form as the one submission type both front ends fill: what stands in
// each field, as the packager gives it.
SubmissionValues MainWindow::formValues() const
{
    const auto given = [](const QString &text) {
        return SourcedText{text, ValueSource::Given};
    };
    SubmissionValues values;
    values.package = given(form->filename->text());
    values.pkgName = given(form->pkgname->text());
    values.version = given(form->version->text());
    values.name = given(form->name->text());
    values.author = given(form->author->text());
    values.homepage = given(form->website->text());
    values.contributor = given(form->contributor->text());
    values.description = given(form->info->toPlainText());
    values.logo = given(iconPath);
    values.screenshots = screenshots->paths();
    values.screenshotsSource = ValueSource::Given;
    return values;
}

// The same submission the command line builds from the same values.
void MainWindow::takeSnapshot()
{
    submission = makeSubmission(formValues());
}

void MainWindow::buildBundle()
{
    takeSnapshot();
    auto *job = new PackJob({submission, iconPath, desktopPath(), toolTimeout}, this);
    startWork(job, [this, job] { packFinished(job->result()); });
}

void MainWindow::packFinished(const BundleOutcome &outcome)
{
    if (outcome.status == BundleOutcome::Built)
        return;
    reportPackFailure(outcome);
    showFormView();
}

// The result view shows while the box is up; the form returns as it was.
void MainWindow::reportPackFailure(const BundleOutcome &outcome)
{
    if (outcome.status == BundleOutcome::NotRegularFile)
        showNotRegularFileBox(outcome.path);
    else
        showErrorBox(packFailureText(outcome));
}

// ---------------------------------------------------------------- compression

void MainWindow::compressBundle()
{
    auto *job = new CompressJob(desktopPath(), submission.pkgName, toolTimeout, this);
    connect(job, &CompressJob::listing, this, &MainWindow::appendProcessOutput);
    startWork(job, [this, job] { compressionFinished(job->result()); });
}

void MainWindow::compressionFinished(const ArchiveOutcome &outcome)
{
    flushProcessOutput();
    if (outcome.status == ArchiveOutcome::Written)
        return;
    showErrorBox(compressionFailureText(outcome));
    offerCompressionAgain();
}

// tar's listing arrives in chunks that may end inside a line or a character;
// only whole lines are shown, as plain text, so a file name in the bundle
// can neither split a character nor be read as markup.
void MainWindow::appendProcessOutput(const QByteArray &output)
{
    pendingListing += output;
    const int end = pendingListing.lastIndexOf('\n');
    if (end < 0)
        return;
    showListingLines(pendingListing.left(end));
    pendingListing.remove(0, end + 1);
}

void MainWindow::flushProcessOutput()
{
    if (!pendingListing.isEmpty())
        showListingLines(pendingListing);
    pendingListing.clear();
}

void MainWindow::showListingLines(const QByteArray &lines)
{
    QTextCursor cursor(form->textBrowser->document());
    cursor.movePosition(QTextCursor::End);
    for (const QByteArray &line : lines.split('\n')) {
        if (!form->textBrowser->document()->isEmpty())
            cursor.insertBlock();
        cursor.insertText(textUpToNul(line));
    }
    form->textBrowser->verticalScrollBar()->setValue(
        form->textBrowser->verticalScrollBar()->maximum());
}

// The listing stays in view; the button comes back above it for another try.
void MainWindow::offerCompressionAgain()
{
    form->pushButton_5->show();
    form->pushButton_5->raise();
}

void MainWindow::showErrorBox(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, tr("错误"), text, QMessageBox::NoButton, this);
    QPushButton *ok = box.addButton(tr("确定"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

void MainWindow::showNotRegularFileBox(const QString &path)
{
    QMessageBox::critical(this, tr("呐！"), notRegularFileText(path), QMessageBox::Ok,
                          QMessageBox::NoButton);
}

// ---------------------------------------------------------------- progress

namespace {

// The step in the window's words, short enough for the bar.
QString stepText(Job::Step step)
{
    switch (step) {
    case Job::Step::Read:
        return QCoreApplication::translate("MainWindow", "读取");
    case Job::Step::Lock:
        return QCoreApplication::translate("MainWindow", "等待锁");
    case Job::Step::Build:
        return QCoreApplication::translate("MainWindow", "复制和缩放");
    case Job::Step::Carry:
        return QCoreApplication::translate("MainWindow", "搬运");
    case Job::Step::Swap:
        return QCoreApplication::translate("MainWindow", "换上新的");
    case Job::Step::Compress:
        break;
    }
    return QCoreApplication::translate("MainWindow", "压缩");
}

} // namespace

void MainWindow::showProgress(Job::Step step, qint64 done, qint64 total)
{
    const QString text = stepText(step);
    QProgressBar *bar = form->progress;
    // Shown first, so that every value it takes is one the packager sees.
    bar->show();
    // A bar counts in int; byte counts of a large package are scaled down to fit.
    int shift = 0;
    while ((total >> shift) > std::numeric_limits<int>::max())
        ++shift;
    bar->setRange(0, int(total >> shift));
    bar->setValue(total > 0 ? int(qBound<qint64>(0, done, total) >> shift) : 0);
    bar->setFormat(total > 0 ? text + QStringLiteral(" %p%") : text);
    bar->setAccessibleDescription(text);
}

void MainWindow::hideProgress()
{
    form->progress->hide();
}
