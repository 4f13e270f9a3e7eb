// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PLINVEX_MAINWINDOW_H
#define PLINVEX_MAINWINDOW_H

#include "bundle/submission.h"

#include <QMainWindow>
#include <QString>

struct BundleOutcome;
struct EarlierBundle;
struct PackageMetadata;

class Cancellation;
class FormPrefill;
class PackageReading;
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

    void informNothingChosen();
    void probeChosenPackage();
    void showLogoPreview();
    void fillFromPackage(const PackageMetadata &metadata);
    EarlierBundle earlierBundle() const;
    void fillLogo(const QString &path);
    void addScreenshot(const QUrl &url);

    bool packRequestAccepted();
    bool requiredInputsFilled() const;
    void fillOptionalFields();
    void takeSnapshot();
    void buildBundle();
    void reportPackFailure(const BundleOutcome &outcome);

    void compressBundle();
    void appendProcessOutput(const QByteArray &output);
    void flushProcessOutput();
    void showListingLines(const QByteArray &lines);
    void offerCompressionAgain();

    bool closeIfCalledOff();
    void showErrorBox(const QString &text);
    void showNotRegularFileBox(const QString &path);

    FormWidgets *form;
    Submission submission;
    QString iconPath;
    QString lastIconPath;
    ScreenshotList *screenshots;
    FormPrefill *prefill;
    PackageReading *packageReading;
    bool logoChosen = false;   // with the logo button, so never replaced by the program's
    QString corruptPackage;    // the package whose reading found it cut short or broken
    QByteArray pendingListing; // the listing's last line until its line feed
    Cancellation *cancellation;
    bool working = false;
    int toolTimeout;
};

#endif
