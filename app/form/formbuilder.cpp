// SPDX-FileCopyrightText: 2026 The Plinvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form/formbuilder.h"

#include "app/form/formaccessibility.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextEdit>

#include <type_traits>

namespace {

const char *const kWindowStyle = "background-color: rgb(255, 255, 255);";
const char *const kInputStyle = "border-style:none;\n"
                                "padding:3px;\n"
                                "border-radius:7px;\n"
                                "background-color: rgb(255, 244, 245);";
const char *const kButtonStyle = "QPushButton:pressed\n"
                                 "{\n"
                                 "background-color:#c44237;\n"
                                 "border-radius:20px;\n"
                                 "color:#FFFFFF; \n"
                                 "}\n"
                                 "QPushButton\n"
                                 "{\n"
                                 "border-radius:20px;\n"
                                 "color:#000000; \n"
                                 "background-color: rgb(255, 244, 245);\n"
                                 "}";
const char *const kLogoOverlayStyle = "border-style:none;\n"
                                      "padding:3px;\n"
                                      "border-radius:7px;\n"
                                      "background-color: rgba(255, 255, 255, 0);\n"
                                      "color: rgb(165, 165, 165);";
const char *const kCaptionStyle = "font: 11pt;";
const char *const kFormBackgroundStyle = "border-image: url(:/image/background.png);";
const char *const kResultBackgroundStyle = "border-image: url(:/image/background2.png);";

// Optional look of one widget row; an empty style or a null font is not set.
struct Look
{
    const char *style = nullptr;
    const QFont *font = nullptr;
    bool readOnly = false;
};

// Creates one widget of the table as a child of the central widget.
template <typename Widget>
Widget *place(QWidget *parent, const char *objectName, const QRect &rect, const Look &look = {})
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setGeometry(rect);
    if (look.font)
        widget->setFont(*look.font);
    if (look.style)
        widget->setStyleSheet(QString::fromLatin1(look.style));
    if constexpr (std::is_base_of_v<QLineEdit, Widget> || std::is_base_of_v<QTextEdit, Widget>) {
        if (look.readOnly)
            widget->setReadOnly(true);
    }
    return widget;
}

QFont fontOfPointSize(int pointSize)
{
    QFont font;
    font.setPointSize(pointSize);
    return font;
}

void createWidgets(FormWidgets &f, QWidget *c)
{
    const QFont font11 = fontOfPointSize(11);
    const QFont font12 = fontOfPointSize(12);
    const Look input{kInputStyle};
    const Look readOnlyInput{kInputStyle, nullptr, true};
    const Look caption{kCaptionStyle};
    const Look button{kButtonStyle};
    const Look bigButton{kButtonStyle, &font11};

    f.name = place<QLineEdit>(c, "name", {120, 20, 431, 32}, input);
    f.filename = place<QLineEdit>(c, "filename", {120, 70, 331, 32}, readOnlyInput);
    f.label = place<QLabel>(c, "label", {20, 20, 81, 31}, caption);
    f.label_2 = place<QLabel>(c, "label_2", {20, 70, 81, 31}, caption);
    f.label_5 = place<QLabel>(c, "label_5", {20, 220, 90, 31}, caption);
    f.author = place<QLineEdit>(c, "author", {120, 220, 431, 31}, input);
    f.lable22 = place<QLabel>(c, "lable22", {-80, 0, 1024, 640}, {kFormBackgroundStyle});
    f.label_9 = place<QLabel>(c, "label_9", {20, 450, 81, 31}, caption);
    f.info = place<QTextEdit>(c, "info", {120, 450, 341, 111}, input);
    f.label_4 = place<QLabel>(c, "label_4", {20, 170, 81, 31}, caption);
    f.version = place<QLineEdit>(c, "version", {120, 170, 431, 32}, input);
    f.pushButton = place<QPushButton>(c, "pushButton", {320, 580, 91, 41}, button);
    f.pushButton_2 = place<QPushButton>(c, "pushButton_2", {170, 580, 91, 41}, button);
    f.label_8 = place<QLabel>(c, "label_8", {20, 370, 81, 31}, caption);
    f.icon = place<QLabel>(c, "icon", {670, 20, 180, 180}, input);
    f.pushButton_3 =
        place<QPushButton>(c, "pushButton_3", {670, 20, 180, 180}, {kLogoOverlayStyle});
    f.lable33 = place<QLabel>(c, "lable33", {-80, 0, 1024, 640}, {kResultBackgroundStyle});
    f.textBrowser = place<QTextBrowser>(c, "textBrowser", {20, 30, 431, 311}, input);
    f.label_7 = place<QLabel>(c, "label_7", {20, 320, 51, 31}, caption);
    f.contributor = place<QLineEdit>(c, "contributor", {120, 320, 341, 31}, input);
    f.pushButton_4 = place<QPushButton>(c, "pushButton_4", {160, 420, 150, 75}, bigButton);
    f.pushButton_5 = place<QPushButton>(c, "pushButton_5", {160, 130, 150, 75}, bigButton);
    f.label_6 = place<QLabel>(c, "label_6", {20, 270, 90, 31}, {nullptr, &font11});
    f.website = place<QLineEdit>(c, "website", {120, 270, 361, 31}, input);
    f.pkgname = place<QLineEdit>(c, "pkgname", {120, 120, 431, 32}, input);
    f.label_3 = place<QLabel>(c, "label_3", {20, 120, 51, 31}, {nullptr, &font12});
    f.pushButton_6 = place<QPushButton>(c, "pushButton_6", {460, 70, 91, 32}, button);
    f.image = place<QTextEdit>(c, "image", {120, 370, 341, 61}, readOnlyInput);
    // Right of the inputs and below the logo, down to the buttons' bottom:
    // the one free part of the form.
    f.findings = place<QListWidget>(c, "findings", {580, 220, 344, 401}, input);
    // Between the compression listing and the button below it.
    f.progress = place<QProgressBar>(c, "progress", {20, 360, 431, 31});
}

// The first raised ends lowest: both backgrounds at the bottom, the logo
// button over its preview, the screenshot list on top.
void stackWidgets(const FormWidgets &f)
{
    const QList<QWidget *> bottomToTop = {
        f.lable33,      f.lable22,      f.name,        f.filename, f.label,        f.label_2,
        f.label_5,      f.author,       f.label_9,     f.info,     f.label_4,      f.version,
        f.pushButton,   f.pushButton_2, f.label_8,     f.icon,     f.pushButton_3, f.label_7,
        f.contributor,  f.label_6,      f.website,     f.pkgname,  f.label_3,      f.pushButton_6,
        f.pushButton_4, f.pushButton_5, f.textBrowser, f.image,    f.findings,     f.progress};
    for (QWidget *widget : bottomToTop)
        widget->raise();
}

} // namespace

void buildForm(FormWidgets &form, QMainWindow *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("MainWindow"));
    window->resize(944, 640);
    QIcon icon;
    icon.addFile(QStringLiteral(":/image/icon.png"), QSize(), QIcon::Normal, QIcon::Off);
    window->setWindowIcon(icon);
    window->setStyleSheet(QString::fromLatin1(kWindowStyle));

    form.centralwidget = new QWidget(window);
    form.centralwidget->setObjectName(QStringLiteral("centralwidget"));
    createWidgets(form, form.centralwidget);
    window->setCentralWidget(form.centralwidget);
    stackWidgets(form);
    applyFormTexts(form, window);

    QObject::connect(form.pushButton_2, SIGNAL(clicked(bool)), window, SLOT(close()));
    QMetaObject::connectSlotsByName(window);
    applyFormAccessibility(form);
}
