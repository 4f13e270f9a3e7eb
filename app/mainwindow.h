#ifndef PLINVEX_MAINWINDOW_H
#define PLINVEX_MAINWINDOW_H

#include "bundle/submission.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QString>

struct FormWidgets;
class QProcess;
class QUrl;

// The one window: the form, the result view and every slot of the submission road.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Bound on each outside tool's run; tests shorten it.
    void setToolTimeout(int milliseconds) { toolTimeout = milliseconds; }

    // Chooses the package at `path` exactly as the open-file button does
    // once its chooser returns.
    void openPackage(const QString &path);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

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
    void addScreenshot(const QUrl &url);

    bool packRequestAccepted();
    bool requiredInputsFilled() const;
    void fillOptionalFields();
    void takeSnapshot();
    void buildBundle();
    void removeBundleDir();

    void compressBundle();
    void appendProcessOutput();
    void offerCompressionAgain();

    void showErrorBox(const QString &text);

    FormWidgets *form;
    Submission submission;
    QString iconPath;
    QString lastIconPath;
    QFileInfo droppedFile;
    QProcess *compressProcess = nullptr;
    int toolTimeout;
};

#endif
