// SPDX-License-Identifier: MIT
// The shell's dialogs with Qt widgets.

#include "gui/qt_dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>

namespace kelvarin::gui {

QtDialogs::QtDialogs() = default;

QtDialogs::~QtDialogs() {
    delete m_progress;
}

QWidget* QtDialogs::windowOf(qint32 handle) {
    if (handle == 0) return nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->internalWinId() != 0 && static_cast<qint32>(w->internalWinId()) == handle) return w;
    }
    return nullptr;
}

QString QtDialogs::chooseFolder(qint32 owner, const QString& title) {
    // Qt's own dialog: the same on every desktop, and modal to the owner when it is ours.
    QFileDialog dialog(windowOf(owner), title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowModality(windowOf(owner) != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

bool QtDialogs::confirmReplace(const QString& target, const QString& source) {
    const QFileInfo old(target), replacement(source);
    QMessageBox box(
        QMessageBox::Question,
        QCoreApplication::translate("kelvarin::gui::QtDialogs", "确认文件替换"),
        QCoreApplication::translate("kelvarin::gui::QtDialogs",
                                    "此文件夹已包含名为“%1”的文件。\n\n是否要将现有文件\n"
                                    "    %2 字节, 修改日期: %3\n替换为\n    %4 字节, 修改日期: %5")
            .arg(old.fileName())
            .arg(old.size())
            .arg(old.lastModified().toString(Qt::ISODate))
            .arg(replacement.size())
            .arg(replacement.lastModified().toString(Qt::ISODate)),
        QMessageBox::Yes | QMessageBox::No, m_progress);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::copyStarted(qint64 totalBytes, int files) {
    delete m_progress;
    m_total = std::max<qint64>(totalBytes, 1);
    m_progress = new QProgressDialog(
        QCoreApplication::translate("kelvarin::gui::QtDialogs", "正在复制 %1 个文件...").arg(files),
        QCoreApplication::translate("kelvarin::gui::QtDialogs", "取消"), 0, 1000);
    m_progress->setWindowTitle(
        QCoreApplication::translate("kelvarin::gui::QtDialogs", "正在复制..."));
    m_progress->setWindowModality(Qt::ApplicationModal);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(500);
    m_progress->setValue(0);
    m_started.start();
    if (totalBytes >= kLargeCopy) m_progress->show();
}

bool QtDialogs::copyProgress(qint64 bytesDone, const QString& file) {
    if (m_progress.isNull()) return true;
    m_progress->setLabelText(QCoreApplication::translate("kelvarin::gui::QtDialogs", "正在复制 %1")
                                 .arg(QFileInfo(file).fileName()));
    m_progress->setValue(static_cast<int>(std::min<qint64>(1000, bytesDone * 1000 / m_total)));
    QApplication::processEvents();
    return !m_progress->wasCanceled();
}

void QtDialogs::copyFailed(const QString& file, const QString& reason) {
    QMessageBox::warning(m_progress,
                         QCoreApplication::translate("kelvarin::gui::QtDialogs", "复制文件时出错"),
                         QCoreApplication::translate("kelvarin::gui::QtDialogs", "无法复制 %1: %2")
                             .arg(file, reason));
}

void QtDialogs::copyFinished() {
    delete m_progress;
}

}  // namespace kelvarin::gui
