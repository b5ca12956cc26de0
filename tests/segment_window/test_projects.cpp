// SPDX-License-Identifier: MIT
// The main window's projects: a project opened, changed, saved and reopened as it was; the
// question before unsaved changes are lost; projects that cannot be opened; the window without a
// project as it always was.
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "segment_codes/project.h"
#include "segment_window/seg8.h"
#include "window_harness.h"

using namespace kelvarin;
using namespace kelvarin::testing;
using Answer = platform::MessageBoxes::Answer;

namespace {

const QString kProject = QStringLiteral(
    "schema = 1\nname = \"clock\"\n# a comment\n[display]\nwiring = \"e,dp,c,d,g,f,a,b\"\n"
    "polarity = \"anode\"\n[output]\nformat = \"sdcc\"\ncomments = true\n"
    "[[table]]\nname = \"digits\"\ntext = \"0123\"\n");

}  // namespace

class ProjectsTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void roundTrip();
    void unsavedChanges_data();
    void unsavedChanges();
    void notOpened_data();
    void notOpened();
    void withoutProjectEscEndsAtOnce();
    void unreadSettingsSaidOnce_data();
    void unreadSettingsSaidOnce();

  private:
    QString declaration() const {
        return static_cast<gui::CrLfTextBox*>(m_window->findChild<QPlainTextEdit*>("Text5"))
            ->text();
    }
    QString write(const QString& name, const QByteArray& bytes) {
        QString file = m_dir->filePath(name);
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return QString();
        return file;
    }
    QByteArray read(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void addSegmentA() {
        QTest::mouseClick(m_window->findChild<QWidget*>(QStringLiteral("Picture1(0)")),
                          Qt::LeftButton);
        QTest::mouseClick(m_window->findChild<QPushButton*>("Command3"), Qt::LeftButton);
    }
    void newWindow() {
        delete m_window;
        m_window = new SEG8(m_harness->services());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    QTemporaryDir* m_dir = nullptr;
    Harness* m_harness = nullptr;
    SEG8* m_window = nullptr;
};

void ProjectsTest::init() {
    m_dir = new QTemporaryDir;
    m_harness = new Harness;
    m_window = nullptr;
    newWindow();
}

void ProjectsTest::cleanup() {
    delete m_window;
    delete m_harness;
    delete m_dir;
}

void ProjectsTest::roundTrip() {
    const QString file = write(QStringLiteral("clock.toml"), kProject.toUtf8());
    QVERIFY(m_window->openProject(file));
    QVERIFY(m_harness->boxes.shown.isEmpty());
    QCOMPARE(m_window->board().wiring.text(), QStringLiteral("e,dp,c,d,g,f,a,b"));
    QCOMPARE(m_window->board().format->name, "sdcc");
    QVERIFY(m_window->findChild<QRadioButton*>("Option2")->isChecked());
    QVERIFY(m_window->windowTitle().startsWith(QStringLiteral("clock.toml - Kelvarin")));
    QVERIFY(!m_window->projectModified());
    // A code added marks the project; saving keeps the project's own table and its options.
    addSegmentA();
    QVERIFY(m_window->projectModified());
    QVERIFY(m_window->windowTitle().startsWith(QStringLiteral("*clock.toml - ")));
    const QString shown = declaration();
    QVERIFY(m_window->saveProject());
    QVERIFY(!m_window->projectModified());
    QVERIFY(m_window->windowTitle().startsWith(QStringLiteral("clock.toml - ")));
    QCOMPARE(m_window->recentProjects(), QStringList{QFileInfo(file).absoluteFilePath()});
    QString error;
    const std::optional<codes::Project> saved =
        codes::readProject(QString::fromUtf8(read(file)), file, &error);
    QVERIFY2(saved, qPrintable(error));
    QCOMPARE(saved->tableNames, QStringList{QStringLiteral("digits")});
    QVERIFY(saved->output.comments);
    QCOMPARE(saved->window->declaration, shown);
    // Reopened in a fresh window: as it was.
    newWindow();
    QVERIFY(m_window->openProject(file));
    QCOMPARE(declaration(), shown);
    QCOMPARE(m_window->board().wiring.text(), QStringLiteral("e,dp,c,d,g,f,a,b"));
    QVERIFY(m_window->findChild<QRadioButton*>("Option2")->isChecked());
    // Save As writes a second file of the same project; the first stays as saved.
    const QByteArray first = read(file);
    addSegmentA();
    const QString copy = m_dir->filePath(QStringLiteral("copy.toml"));
    QVERIFY(m_window->saveProjectAs(copy));
    QCOMPARE(read(file), first);
    QCOMPARE(m_window->projectFile(), copy);
    QCOMPARE(m_window->recentProjects().front(), copy);
    QVERIFY(codes::readProject(QString::fromUtf8(read(copy)), copy, nullptr)->tables.size() == 1);
}

void ProjectsTest::unsavedChanges_data() {
    QTest::addColumn<QString>("how");  // esc, close, new or open
    QTest::addColumn<int>("answer");   // the box's answer
    QTest::addColumn<bool>("saved");   // the change is in the file
    QTest::addColumn<bool>("done");    // the program ended, or the other project is open
    QTest::newRow("Esc, save") << "esc" << int(Answer::Yes) << true << true;
    QTest::newRow("Esc, drop") << "esc" << int(Answer::No) << false << true;
    QTest::newRow("Esc, cancel") << "esc" << int(Answer::Cancel) << false << false;
    QTest::newRow("close, save") << "close" << int(Answer::Yes) << true << true;
    QTest::newRow("close, cancel") << "close" << int(Answer::Cancel) << false << false;
    QTest::newRow("new, drop") << "new" << int(Answer::No) << false << true;
    QTest::newRow("new, cancel") << "new" << int(Answer::Cancel) << false << false;
    QTest::newRow("open another, save") << "open" << int(Answer::Yes) << true << true;
    QTest::newRow("open another, cancel") << "open" << int(Answer::Cancel) << false << false;
}

void ProjectsTest::unsavedChanges() {
    QFETCH(QString, how);
    QFETCH(int, answer);
    QFETCH(bool, saved);
    QFETCH(bool, done);
    const QString file = write(QStringLiteral("clock.toml"), kProject.toUtf8());
    const QString other = write(QStringLiteral("other.toml"), "schema = 1\n");
    QVERIFY(m_window->openProject(file));
    addSegmentA();
    const QString changed = declaration();
    m_harness->boxes.answers = {static_cast<Answer>(answer)};
    if (how == u"esc") {
        QTest::keyClick(m_window, Qt::Key_Escape);
    } else if (how == u"close") {
        m_window->close();
    } else if (how == u"new") {
        m_window->newProject();
    } else {
        m_window->openProject(other);
    }
    QCOMPARE(m_harness->boxes.shown.size(), 1);
    QVERIFY(m_harness->boxes.shown[0].prompt.contains(QStringLiteral("clock.toml")));
    const std::optional<codes::Project> inFile =
        codes::readProject(QString::fromUtf8(read(file)), file, nullptr);
    QCOMPARE(inFile->window.has_value() && inFile->window->declaration == changed, saved);
    if (how == u"esc" || how == u"close") {
        QCOMPARE(m_harness->program.ended, done ? 1 : 0);
    } else if (how == u"new") {
        QCOMPARE(m_window->projectFile().isEmpty(), done);
    } else {
        QCOMPARE(m_window->projectFile() == QFileInfo(other).absoluteFilePath(), done);
    }
    // Cancel keeps everything: the change, the project, its mark.
    if (!done) {
        QCOMPARE(declaration(), changed);
        QVERIFY(m_window->projectModified());
    }
}

void ProjectsTest::notOpened_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");  // nothing: no such file
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << "gone.toml" << QByteArray() << "找不到项目文件";
    QTest::newRow("broken TOML") << "broken.toml" << QByteArray("schema = 1\n[display\n")
                                 << "无法打开项目：“broken.toml”第 2 行第";
    QTest::newRow("a key it does not know")
        << "keys.toml" << QByteArray("schema = 1\n[window]\ncolour = 3\n") << "[window] colour";
    QTest::newRow("not ASCII outside a string")
        << "chinese.toml" << QByteArray("schema = 1\n名字 = 1\n") << "第 2 行第 1 列";
    QTest::newRow("a newer schema") << "new.toml" << QByteArray("schema = 99\n") << "较新版本";
    QTest::newRow("a bad array name")
        << "name.toml" << QByteArray("schema = 1\n[window]\narray = \"2x\"\n") << "array";
    QTest::newRow("a folder") << "." << QByteArray() << "不是一个文件";
}

void ProjectsTest::notOpened() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString file = bytes.isEmpty() ? m_dir->filePath(name) : write(name, bytes);
    const QString before = declaration();
    const QString title = m_window->windowTitle();
    m_harness->preferences.values.insert(QStringLiteral("projects/recent"),
                                         QStringList{file, QStringLiteral("/elsewhere.toml")});
    QVERIFY(!m_window->openProject(file));
    QCOMPARE(m_harness->boxes.shown.size(), 1);
    QVERIFY2(m_harness->boxes.shown[0].prompt.contains(message),
             qPrintable(m_harness->boxes.shown[0].prompt));
    // Said in the window's language: no English words of the core's.
    static const QRegularExpression prose(QStringLiteral("[a-z]{3,} [a-z]{3,}"));
    QVERIFY2(!m_harness->boxes.shown[0].prompt.contains(prose),
             qPrintable(m_harness->boxes.shown[0].prompt));
    QVERIFY(!m_window->projectOpen());
    QCOMPARE(declaration(), before);
    QCOMPARE(m_window->windowTitle(), title);
    QVERIFY(m_window->board().isDefault());
    // A file that is gone leaves the recent list; one that does not read stays on it.
    QCOMPARE(m_window->recentProjects().contains(file), name != u"gone.toml");
}

void ProjectsTest::withoutProjectEscEndsAtOnce() {
    addSegmentA();
    QTest::keyClick(m_window, Qt::Key_Escape);
    QVERIFY(m_harness->boxes.shown.isEmpty());
    QCOMPARE(m_harness->program.ended, 1);
    // A new project that has not changed asks nothing either.
    newWindow();
    m_window->newProject();
    QVERIFY(m_window->windowTitle().startsWith(QStringLiteral("未命名项目 - Kelvarin")));
    QTest::keyClick(m_window, Qt::Key_Escape);
    QVERIFY(m_harness->boxes.shown.isEmpty());
    QCOMPARE(m_harness->program.ended, 2);
}

void ProjectsTest::unreadSettingsSaidOnce_data() {
    // A settings file that could not be read: said once when the window is first shown, with
    // the choice to start afresh.
    QTest::addColumn<bool>("repairable");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("moved");  // the start afresh succeeds
    QTest::addColumn<QStringList>("said");
    QTest::newRow("started afresh") << true << int(Answer::Yes) << true
                                    << QStringList{"无法读取设置文件“/c/kelvarin.conf”",
                                                   "原文件保留为“/c/kelvarin.conf.broken”"};
    QTest::newRow("kept as it is")
        << true << int(Answer::No) << true << QStringList{"选择[是]重新开始"};
    QTest::newRow("cannot be moved")
        << true << int(Answer::Yes) << false << QStringList{"选择[是]", "无法重新开始：read-only"};
    QTest::newRow("nothing to do about it")
        << false << int(Answer::Yes) << false << QStringList{"无法读取设置文件“设置文件”"};
}

void ProjectsTest::unreadSettingsSaidOnce() {
    QFETCH(bool, repairable);
    QFETCH(int, answer);
    QFETCH(bool, moved);
    QFETCH(QStringList, said);
    delete m_window;
    m_harness->preferences.readProblem = QStringLiteral("kelvarin.conf is no settings file");
    m_harness->boxes.answers = {static_cast<Answer>(answer)};
    m_window = new SEG8(m_harness->services());
    if (repairable)
        m_window->setSettingsRepair({QStringLiteral("/c/kelvarin.conf"), [&](QString* error) {
                                         if (!moved) {
                                             *error = QStringLiteral("read-only");
                                             return std::optional<QString>();
                                         }
                                         m_harness->preferences.readProblem.clear();
                                         return std::optional<QString>(
                                             QStringLiteral("/c/kelvarin.conf.broken"));
                                     }});
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTRY_COMPARE(m_harness->boxes.shown.size(), said.size());
    for (qsizetype k = 0; k < said.size(); ++k)
        QVERIFY2(m_harness->boxes.shown[k].prompt.contains(said[k]),
                 qPrintable(m_harness->boxes.shown[k].prompt));
    // Started afresh, the board is written into the new file.
    const bool afresh = repairable && moved && answer == int(Answer::Yes);
    QCOMPARE(m_harness->preferences.values.contains(QStringLiteral("board/wiring")), afresh);
    // Once: shown again, the window says nothing more.
    m_window->hide();
    m_window->show();
    QTest::qWait(20);
    QCOMPARE(m_harness->boxes.shown.size(), said.size());
}

QTEST_MAIN(ProjectsTest)
#include "test_projects.moc"
