// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "gui/qt_dialogs.h"
#include "xvfb_test_main.h"

using namespace kelvarin;
using namespace kelvarin::platform;

namespace {

// Runs the step on the modal dialog of type T once it is open.
template <class T>
void whenOpen(std::function<void(T*)> step) {
    QTimer::singleShot(50, [step] {
        for (int k = 0; k < 100; ++k) {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                step(dialog);
                return;
            }
            QTest::qWait(20);
        }
        QFAIL("no dialog opened");
    });
}

}  // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void chooseFolder_data();
    void chooseFolder();
    void replaceConfirmation_data();
    void replaceConfirmation();
    void largeCopyShowsProgress();
};

void QtDialogsTest::chooseFolder_data() {
    QTest::addColumn<bool>("choose");
    QTest::addColumn<bool>("owned");
    QTest::newRow("choose, owned by a window") << true << true;
    QTest::newRow("cancel") << false << false;
}

void QtDialogsTest::chooseFolder() {
    QFETCH(bool, choose);
    QFETCH(bool, owned);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("歌曲/album")));
    const QString folder = dir.filePath(QStringLiteral("歌曲/album"));
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bool seen = false;
    whenOpen<QFileDialog>([&](QFileDialog* dialog) {
        seen = true;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("选择文件夹"));
        QCOMPARE(dialog->parentWidget(), owned ? &window : nullptr);
        QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
        if (choose) {
            // As a user does: in the folder's parent, its name typed, the button pressed.
            dialog->setDirectory(dir.filePath(QStringLiteral("歌曲")));
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name != nullptr);
            name->clear();
            QTest::keyClicks(name, QStringLiteral("album"));
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->click();
        } else {
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        }
    });
    gui::QtDialogs dialogs;
    const qint32 owner = owned ? static_cast<qint32>(window.winId()) : 0;
    QCOMPARE(dialogs.chooseFolder(owner, QStringLiteral("选择文件夹")),
             choose ? folder : QString());
    QVERIFY(seen);
}

void QtDialogsTest::replaceConfirmation_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void QtDialogsTest::replaceConfirmation() {
    QFETCH(bool, yes);
    whenOpen<QMessageBox>([&](QMessageBox* box) {
        QVERIFY(box->text().contains(QStringLiteral("a.txt")));
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    gui::QtDialogs dialogs;
    QCOMPARE(dialogs.confirmReplace(QStringLiteral("/tmp/x/a.txt"), QStringLiteral("/tmp/a.txt")),
             yes);
}

void QtDialogsTest::largeCopyShowsProgress() {
    gui::QtDialogs dialogs;
    dialogs.copyStarted(gui::QtDialogs::kLargeCopy, 2);
    auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
    QVERIFY(progress != nullptr && progress->isVisible());
    QVERIFY(dialogs.copyProgress(gui::QtDialogs::kLargeCopy / 2, QStringLiteral("/tmp/big.bin")));
    QCOMPARE(progress->value(), 500);
    progress->cancel();
    QVERIFY(!dialogs.copyProgress(gui::QtDialogs::kLargeCopy, QStringLiteral("/tmp/big.bin")));
    dialogs.copyFinished();
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    // A small copy shows nothing at once.
    dialogs.copyStarted(1000, 1);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    dialogs.copyFinished();
}

KELVARIN_XVFB_TEST_MAIN(QtDialogsTest, QApplication, Nothing)

#include "test_qt_dialogs.moc"
