// SPDX-License-Identifier: MIT
// The examples of the library's reference documentation: each stretch between two "//! [name]"
// markers is shown in the documentation of an operation, exactly as it stands here, and the
// checks after it prove that what its comments say is what the operation does.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "recording_surfaces.h"
#include "service_doubles.h"
#include "system/sqlite_registry.h"
#include "workout/workout.h"

using namespace kelvarin;
using namespace kelvarin::testing;
using platform::reg::HKEY_CURRENT_USER;

class ApiFileExamples : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void dates();
    void iniStore();
    void textHelpers();
    void lyrics();
    void registry();
    void filesAndDrives();
    void desktop();

  private:
    // A file in the scratch folder with the given bytes; its path.
    QString write(const QString& name, const QByteArray& bytes);

    QTemporaryDir* m_dir = nullptr;
    QString m_folder;  // the scratch folder, "D:\" to the objects with drives
    QuietServices* m_quiet = nullptr;
};

QString ApiFileExamples::write(const QString& name, const QByteArray& bytes) {
    QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("no file");
    return path;
}

void ApiFileExamples::init() {
    m_dir = new QTemporaryDir;
    m_folder = m_dir->path();
    QDir::setCurrent(m_folder);
    m_quiet = new QuietServices;
    m_quiet->drives.add(u'C', QStringLiteral("/"), platform::drive::Fixed, 0x1234ABCD);
    m_quiet->drives.add(u'D', m_folder, platform::drive::Removable, 0x0BADF00D);
}

void ApiFileExamples::cleanup() {
    delete m_quiet;
    delete m_dir;
}

void ApiFileExamples::dates() {
    workOut w;
    //! [iFYunNian]
    bool leap = w.iFYunNian(2000);    // true
    bool common = w.iFYunNian(1900);  // false
    //! [iFYunNian]
    QVERIFY(leap);
    QVERIFY(!common);
    //! [DateTransSecend]
    qint32 seconds = w.DateTransSecend(QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
    // 5270400: (31 + 29 + 1) days of 86400 seconds
    //! [DateTransSecend]
    QCOMPARE(seconds, 5270400);
    //! [LeaveAway]
    QString shown = w.LeaveAway(754000);  // "12分34秒"
    //! [LeaveAway]
    QCOMPARE(shown, u"12分34秒");
}

void ApiFileExamples::iniStore() {
    workOut w;
    write(QStringLiteral("board.ini"),
          "[board]\r\nwiring=a,b,c,d,e,f,g,dp\r\n[output]\r\nname=seg\r\n");
    //! [ini_SetOpenFiles]
    // board.ini:
    //   [board]
    //   wiring=a,b,c,d,e,f,g,dp
    //   [output]
    //   name=seg
    qint32 status = w.ini_SetOpenFiles("board.ini");  // 0: read
    qint32 wrong = 0;
    QString section = "output";
    QString name = w.ini_GetDatas("name", section, wrong);  // "seg", wrong 0
    QString anywhere = "*";
    QString wiring = w.ini_GetDatas("wiring", anywhere, wrong);  // "a,b,c,d,e,f,g,dp"
    QString missing = w.ini_GetDatas("colour", section, wrong);  // "", wrong 2
    //! [ini_SetOpenFiles]
    QCOMPARE(status, 0);
    QCOMPARE(name, u"seg");
    QCOMPARE(wiring, u"a,b,c,d,e,f,g,dp");
    QCOMPARE(missing, u"");
    QCOMPARE(wrong, 2);
    //! [ini_AddOrEditorData]
    qint32 flags = 0;
    QString output = "output";
    w.ini_AddOrEditorData("name", "seg_cc", output, flags);  // changes name
    QString fresh = "font";
    w.ini_AddOrEditorData("size", 12, fresh, flags);  // opens the section [font]
    QString same = "*";
    w.ini_WriteToFile(same);  // 0: board.ini now ends with [font] and size=12
    //! [ini_AddOrEditorData]
    QCOMPARE(flags, 0);
    QFile written(m_dir->filePath(QStringLiteral("board.ini")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(
        written.readAll(),
        "[board]\r\nwiring=a,b,c,d,e,f,g,dp\r\n[output]\r\nname=seg_cc\r\n[font]\r\nsize=12\r\n");
    //! [ini_SetCloseFiles]
    w.ini_SetCloseFiles();
    qint32 closed = 0;
    QString any = "*";
    w.ini_GetDatas("name", any, closed);  // "", closed 1: no file open
    //! [ini_SetCloseFiles]
    QCOMPARE(closed, 1);
}

void ApiFileExamples::textHelpers() {
    m_quiet->folders.state = m_folder;
    workOut w(m_quiet->services());
    write(QStringLiteral("abc.txt"), "a\nb\nc\n");
    //! [LoadText]
    QString text = w.LoadText("abc.txt");     // "a\r\nb\r\nc": the lines a, b and c
    QString failed = w.LoadText("none.txt");  // "#Err53"
    //! [LoadText]
    QCOMPARE(text, u"a\r\nb\r\nc");
    QCOMPARE(failed, u"#Err53");
    //! [SearchText]
    QString rate = w.SearchText("mp3;128,wma", "song.mp3 at 128 kbps");  // "128"
    QString kind = w.SearchText("mp3;128,wma", "x.wma");                 // "wma"
    //! [SearchText]
    QCOMPARE(rate, u"128");
    QCOMPARE(kind, u"wma");
    MemoryTextBox box;
    box.content = QStringLiteral("a\r\nb\r\nc");
    //! [TextLenLine]
    // box: a TextBox holding "a\r\nb\r\nc".
    qint32 lines = w.TextLenLine(box);    // 3
    QString second = w.TextLine(box, 2);  // "b"
    //! [TextLenLine]
    QCOMPARE(lines, 3);
    QCOMPARE(second, u"b");
    MemoryTextBox edit;
    edit.content = QStringLiteral("abcdef");
    edit.start = 2;
    edit.length = 2;
    //! [Textbox_insert]
    // edit: a TextBox holding "abcdef" with "cd" selected.
    w.Textbox_insert(edit, "XY");  // "abXYef", the caret at 4
    //! [Textbox_insert]
    QCOMPARE(edit.content, u"abXYef");
    QCOMPARE(edit.start, 4);
    //! [PrintErr]
    // The user folders service gives the state folder, such as ~/.local/state.
    w.PrintErr("the board file could not be read");
    // ~/.local/state/kelvarin/Err.txt holds that line
    //! [PrintErr]
    QFile err(m_folder + QStringLiteral("/kelvarin/Err.txt"));
    QVERIFY(err.open(QIODevice::ReadOnly));
    QCOMPARE(err.readAll(), "the board file could not be read\r\n");
}

void ApiFileExamples::lyrics() {
    workOut w;
    write(QStringLiteral("song.lrc"),
          "[ti:Segments]\n[ar:Kelvarin]\n[00:01.00]first line\n[00:05.00]second line\n");
    //! [LRC_Load]
    // song.lrc:
    //   [ti:Segments]
    //   [ar:Kelvarin]
    //   [00:01.00]first line
    //   [00:05.00]second line
    qint32 status = w.LRC_Load("song.lrc");  // 0
    qint32 left = 0;
    QString now = w.LRC_GetTimeStr(2000, left);  // "first line", left 4001
    QString title, artist, album, by, offset;
    w.LRC_GetContents(title, artist, album, by, offset);  // "Segments", "Kelvarin", "", "", ""
    //! [LRC_Load]
    QCOMPARE(status, 0);
    QCOMPARE(now, u"first line");
    QCOMPARE(left, 4001);
    QCOMPARE(title, u"Segments");
    QCOMPARE(artist, u"Kelvarin");
    QCOMPARE(album, u"");
}

void ApiFileExamples::registry() {
    QString file = m_dir->filePath(QStringLiteral("registry.sqlite3"));
    platform::SqliteRegistry store([&file] { return file; });
    platform::Services services;
    services.registry = &store;
    workOut w(services);
    //! [REG_CreateNewKey]
    // w: an object with a registry store service.
    w.REG_CreateNewKey(HKEY_CURRENT_USER, "Software\\Example");
    w.REG_SetKeyValue(HKEY_CURRENT_USER, "Software\\Example", "Wiring", "a,b,c,d,e,f,g,dp", 1);
    w.REG_SetKeyValue(HKEY_CURRENT_USER, "Software\\Example", "Count", 57, 4);
    QVariant wiring = w.REG_QueryValue(HKEY_CURRENT_USER, "Software\\Example", "Wiring");
    // "a,b,c,d,e,f,g,dp" followed by one zero character
    QVariant count = w.REG_QueryValue(HKEY_CURRENT_USER, "Software\\Example", "Count");  // 57
    //! [REG_CreateNewKey]
    QCOMPARE(wiring, QVariant(QStringLiteral("a,b,c,d,e,f,g,dp") + QChar(0)));
    QCOMPARE(count, QVariant(57));
    qint32 key = 0;
    QCOMPARE(store.openKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Example"), 0x3F, key), 0);
    //! [REG_SetVal]
    // key: a handle of Software\Example, opened through the registry store.
    QVariant number = 7;
    qint32 status = w.REG_SetVal(key, "Digits", 4, number);  // 0: success
    QVariant read;
    qint32 found = w.REG_QueryValueEx(key, "Digits", read);  // 0, read 7
    qint32 gone = w.REG_QueryValueEx(key, "Nothing", read);  // -1, read left 7
    //! [REG_SetVal]
    store.closeKey(key);
    QCOMPARE(status, 0);
    QCOMPARE(found, 0);
    QCOMPARE(gone, -1);
    QCOMPARE(read, QVariant(7));
    //! [REG_DelKey]
    w.REG_DelVal(HKEY_CURRENT_USER, "Software\\Example", "Count");
    w.REG_DelKey(HKEY_CURRENT_USER, "Software\\Example");
    QVariant after = w.REG_QueryValue(HKEY_CURRENT_USER, "Software\\Example", "Wiring");
    // an empty value: the key is gone
    //! [REG_DelKey]
    QVERIFY(!after.isValid());
}

void ApiFileExamples::filesAndDrives() {
    workOut w(m_quiet->services());
    write(QStringLiteral("abc.txt"), "abc");
    write(QStringLiteral("song.wav"), "RIFF");
    //! [HashFile]
    // abc.txt holds the three bytes "abc".
    QString md5 = w.HashFile("abc.txt", 0x8003);  // "900150983CD24FB0D6963F7D28E17F72"
    QString sha256 = w.HashFile("abc.txt", 0x800C);
    // "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD"
    //! [HashFile]
    QCOMPARE(md5, u"900150983CD24FB0D6963F7D28E17F72");
    QCOMPARE(sha256, u"BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD");
    //! [iFDir]
    // The drive table maps D: to a folder holding song.wav.
    QString song = "song ";
    QString found = w.iFDir(song, "D:\\");  // "D:\song.wav"; song is left "song"
    //! [iFDir]
    QCOMPARE(found, u"D:\\song.wav");
    QCOMPARE(song, u"song");
    //! [GetMainDir]
    QString holder = w.GetMainDir("C:\\music\\rock\\song.mp3");  // "rock"
    //! [GetMainDir]
    QCOMPARE(holder, u"rock");
    //! [GetCommondialogFilename]
    QStringList paths(3);
    QString answer = QString("C:\\d") + QChar(0) + "a.txt" + QChar(0) + "b.txt";
    qint32 count = w.GetCommondialogFilename(answer, paths);
    // count == 2: paths[1] "C:\d\a.txt", paths[2] "C:\d\b.txt"
    //! [GetCommondialogFilename]
    QCOMPARE(count, 2);
    QCOMPARE(paths.mid(1), (QStringList{"C:\\d\\a.txt", "C:\\d\\b.txt"}));
    //! [GetFileLenKBMB]
    QString size = w.GetFileLenKBMB(5000000);  // "4,882 KB"
    //! [GetFileLenKBMB]
    QCOMPARE(size, u"4,882 KB");
    //! [ftnShowDriveList]
    // The drive table: C: the root file system (fixed), D: a removable one.
    QString letters = w.ftnShowDriveList();              // "CD"
    QString kind = w.GetDriveTypeIn("D:\\");             // "Removable Drive"
    QString fixed = w.GetAnyTypeDrives("fixed", false);  // "C"
    QString root = "C";
    qint32 serial = w.GetSerialVolume(root);  // the root's serial number; root is left "C:\"
    //! [ftnShowDriveList]
    QCOMPARE(letters, u"CD");
    QCOMPARE(kind, u"Removable Drive");
    QCOMPARE(fixed, u"C");
    QCOMPARE(serial, 0x1234ABCD);
    QCOMPARE(root, u"C:\\");
}

void ApiFileExamples::desktop() {
    m_quiet->windows.list = {{21, QStringLiteral("Kelvarin 1.1")},
                             {22, QStringLiteral("Terminal")}};
    m_quiet->folders.desktopFolder = m_folder + QStringLiteral("/Desktop");
    m_quiet->dialogs.folder = m_folder + QStringLiteral("/boards");
    workOut w(m_quiet->services());
    //! [iFExist2Exit]
    // The window list service holds "Kelvarin 1.1" (handle 21) and "Terminal" (22).
    QVariant handle = w.iFExist2Exit("kelvarin", false, false);  // 21
    QVariant none = w.iFExist2Exit("kelvarin", true, false);     // empty: no title is "kelvarin"
    w.iFExist2Exit("Terminal", true, true);                      // asks "Terminal" to close
    //! [iFExist2Exit]
    QCOMPARE(handle, QVariant(21));
    QVERIFY(!none.isValid());
    QCOMPARE(m_quiet->windows.closed, (QList<qint32>{22}));
    //! [GetDESKTOP]
    QString desk = w.GetDESKTOP();  // the desktop folder as a path text, such as "D:\Desktop\"
    //! [GetDESKTOP]
    QCOMPARE(desk, u"D:\\Desktop\\");
    //! [GetShowFolders]
    QString chosen = w.GetShowFolders(0, "Where are the boards?");  // such as "D:\boards\"
    //! [GetShowFolders]
    QCOMPARE(chosen, u"D:\\boards\\");
    write(QStringLiteral("a.txt"), "a");
    write(QStringLiteral("b.txt"), "b");
    QVERIFY(QDir(m_folder).mkdir(QStringLiteral("copies")));
    //! [windowsCopyFile]
    qint32 status = w.windowsCopyFile({"D:\\a.txt", "D:\\b.txt", "D:\\gone.txt"}, "D:\\copies");
    // 0: a.txt and b.txt copied into D:\copies, gone.txt (missing) left out
    //! [windowsCopyFile]
    QCOMPARE(status, 0);
    QVERIFY(QFile::exists(m_folder + QStringLiteral("/copies/a.txt")));
    QVERIFY(QFile::exists(m_folder + QStringLiteral("/copies/b.txt")));
}

QTEST_GUILESS_MAIN(ApiFileExamples)
#include "api_examples_files.moc"
