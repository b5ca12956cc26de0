// SPDX-License-Identifier: MIT
#pragma once

// The shell's dialogs with Qt: a folder dialog, the replace confirmation, and a progress dialog
// for copies.

#include <QElapsedTimer>
#include <QPointer>

#include "services/dialogs.h"

class QProgressDialog;
class QWidget;

namespace kelvarin::gui {

class QtDialogs final : public platform::Dialogs {
  public:
    // A copy of at least this many bytes shows its progress at once; a smaller one only when it
    // takes longer than half a second.
    static constexpr qint64 kLargeCopy = qint64(64) << 20;

    QtDialogs();
    ~QtDialogs() override;

    QString chooseFolder(qint32 owner, const QString& title) override;
    bool confirmReplace(const QString& target, const QString& source) override;
    void copyStarted(qint64 totalBytes, int files) override;
    bool copyProgress(qint64 bytesDone, const QString& file) override;
    void copyFailed(const QString& file, const QString& reason) override;
    void copyFinished() override;

    // The program's window with that handle, if one is.
    static QWidget* windowOf(qint32 handle);

  private:
    QPointer<QProgressDialog> m_progress;
    qint64 m_total = 0;
    QElapsedTimer m_started;
};

}  // namespace kelvarin::gui
