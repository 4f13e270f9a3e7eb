#ifndef PLINVEX_BUNDLEASSEMBLY_H
#define PLINVEX_BUNDLEASSEMBLY_H

#include "bundle/desktopfolder.h"
#include "bundle/submission.h"

#include <QString>

// Everything one pack needs besides the submission fields.
struct BundleRequest
{
    Submission submission;
    QString iconPath;
    QString bundleDir;
    int timeoutMs = 0;
};

struct BundleOutcome
{
    enum Status { Built, ToolFailed, ControlFileFailed };
    Status status = Built;
    // For a failed tool: the tool and why it failed.
    QString failure;
};

// The bundle folder <home>/Desktop/<pkgName>, without a trailing slash.
QString bundleDirPath(const QString &pkgName);

// A package name that names exactly one folder on the desktop: no slash, no
// NUL (the system would cut the path there), and not "." or "..".
bool isPlainFolderName(const QString &pkgName);

// True when something (even a dangling link) stands at `path`.
bool pathExists(const QString &path);

// Fills the bundle folder: package copy, scaled logo and screenshots and
// app.json, then removes what an earlier pack left that this one did not
// make. Stops at the first step that fails.
BundleOutcome assembleBundle(const BundleRequest &request);

// Removes a bundle folder and nothing else: a link standing in its place loses
// only the link, never what it points to.
void removeBundleFolder(const QString &bundleDir, int timeoutMs);

#endif
