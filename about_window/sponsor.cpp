// SPDX-License-Identifier: MIT
#include "about_window/sponsor.h"

#include <QPushButton>

#include "build_info/app_info.h"
#include "gui/control_font.h"
#include "gui/key_preview.h"
#include "gui/twips.h"
#include "gui/window_placement.h"
#include "runtime/conversion.h"
#include "runtime/resume_next.h"
#include "workout/wkout.h"
#include "workout/workout.h"

namespace kelvarin {

Q_LOGGING_CATEGORY(lcSponsor, "kelvarin.window.sponsor", QtInfoMsg)

namespace {

struct Line {
    QString words;
    qint16 x, y;
    qint32 background, foreground;
};

}  // namespace

sponsor::sponsor(const platform::Services& services, QWidget* owner)
    : QDialog(owner), m_services(services) {
    setObjectName(QStringLiteral("sponsor"));
    setWindowTitle(QStringLiteral("sponsor"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/sponsor.png")));
    m_background = new gui::WindowBackground(*this, [this] { Form_Resize(); });
    // Opens centred over its owner.
    new gui::CentredPlacement(*this, [this] {
        return parentWidget() != nullptr ? parentWidget()->window()->frameGeometry() : QRect();
    });
    setFixedSize(kDesignWidth, kDesignHeight);
    setModal(true);

    Picture1 = new gui::PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(gui::twips(480, 240, 5415, 2055));
    Picture1->setFont(gui::controlFont(10.5));

    Command8 = gui::addButton(this, "Command8", tr("赞助"), gui::twips(3840, 2520, 975, 375));
    Command1 = gui::addButton(this, "Command1", tr("返回"), gui::twips(4920, 2520, 975, 375));
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    setTabOrder(Picture1, Command8);
    setTabOrder(Command8, Command1);

    // The window sees every key press before the control that has the focus.
    new gui::KeyPreview(*this, [this](qint16 code) { Form_KeyPress(code); });

    Form_Load();
}

void sponsor::Form_Load() {
    const QList<Line> lines = {
        {tr("软件名称:Kelvarin"), 300, 100, 255, 16777215},
        {tr("版本号:v") + versionHead() + versionRevision(), 500, 500, 1, 16777215},
        {tr("软件的发展,只因有您,感谢您的使用."), 1000, 900, rt::rgb(50, 200, 150), 16777215},
        {QStringLiteral("design bY:Quarvel"), 2000, 1300, 65535, 65280},
        {QStringLiteral("mailto:") + authorEmail(), 2000, 1600, 65535, 65280},
    };
    rt::ResumeNext rn(lcSponsor(), __func__);
    for (const Line& line : lines) {
        rn([&] {
            QVariant background(line.background), foreground(line.foreground);
            sharedWorkOut().printShadow(Picture1->canvas(), line.words, QVariant(line.x),
                                        QVariant(line.y), background, foreground);
        });
    }
}

void sponsor::Form_Resize() {
    rt::ResumeNext rn(lcSponsor(), __func__);
    rn([&] {
        sharedWorkOut().DrawChange(canvas(), rt::rgb(200, 180, 180), rt::rgb(180, 130, 180), -3, 0,
                                   0, 0, 0, 0.2f, 1);
    });
}

void sponsor::Form_KeyPress(qint16 KeyAscii) {
    if (KeyAscii == 27) close();
}

void sponsor::Command1_Click() {
    close();
}

void sponsor::Command8_Click() {
    if (m_services.urlOpener != nullptr) m_services.urlOpener->open(QUrl(sponsorUrl()));
}

}  // namespace kelvarin
