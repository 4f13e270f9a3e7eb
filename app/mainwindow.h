// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_MAINWINDOW_H
#define PLINVEX_MAINWINDOW_H

#include "bundle/submission.h"
#include "package/packagemetadata.h"
#include "package/valuechoice.h"
#include "tools/job.h"

#include <QMainWindow>
#include <QString>

#include <functional>

struct ArchiveOutcome;
struct BundleOutcome;
struct Prefill;

class FindingsList;
class FormPrefill;
class PrefillJob;
class ScreenshotList;
struct FormWidgets;
class QUrl;

// The one window: the form, the result view and every slot of the submission road.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Bound on each outside tool's run, or on its time without progress;
    // tests shorten it.
    void setToolTimeout(int milliseconds) { toolTimeout = milliseconds; }

    // Chooses the package at `path` exactly as the open-file button does
    // once its chooser returns.
    void openPackage(const QString &path);

public slots:
    // Ends the program as closing the window does: work under way is called
    // off and cleaned up first. For SIGTERM and SIGHUP.
    void endProgram();

    // Shows how far the work has come: `step` is one of the step names of
    // tools/job.h, worded in the UI language; total 0 shows only that work
    // runs. Hidden again by hideProgress() once the work ends.
    void showProgress(Job::Step step, qint64 done, qint64 total);
    void hideProgress();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_6_clicked();

private:
    void showFormView();
    void showResultView();
    void clearForm();
    void setViewVisibility(bool formView);
    void routeFileDropsToWindow();
    void setKeyboardOrder();
    void focusField(const QString &field);

    void informNothingChosen();
    void readChosenPackage();
    void showLogoPreview();
    void startPrefill();
    void stopPrefill();
    void fillFromPackage(const Prefill &found);
    void fillLogo(const QString &path);
    void addScreenshot(const QUrl &url);

    bool packRequestAccepted();
    SubmissionValues formValues() const;
    void fillOptionalFields();
    void takeSnapshot();
    void buildBundle();
    void packFinished(const BundleOutcome &outcome);
    void reportPackFailure(const BundleOutcome &outcome);

    void compressBundle();
    void compressionFinished(const ArchiveOutcome &outcome);
    void appendProcessOutput(const QByteArray &output);
    void flushProcessOutput();
    void showListingLines(const QByteArray &lines);
    void offerCompressionAgain();

    void startWork(Job *job, const std::function<void()> &next);
    bool leaveIfAsked();
    void showErrorBox(const QString &text);
    void showNotRegularFileBox(const QString &path);

    FormWidgets *form;
    Submission submission;
    QString iconPath;
    QString lastIconPath;
    ScreenshotList *screenshots;
    FormPrefill *prefill;
    PrefillJob *prefillJob = nullptr;
    bool logoChosen = false;    // with the logo button, so never replaced by the program's
    QString corruptPackage;     // the package whose reading found it cut short or broken
    QByteArray pendingListing;  // the listing's last line until its line feed
    Job *work = nullptr;        // the pack or compression under way
    bool closeWhenIdle = false; // asked to close or quit while work ran
    bool quitWhenIdle = false;
    int toolTimeout;
    FindingsList *findings;
    // What the chosen package said of itself, for the check.
    PackageMetadata lastMetadata;
    EarlierBundle lastEarlier;
};

#endif
