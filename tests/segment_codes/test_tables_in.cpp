// SPDX-License-Identifier: MIT
// Tables read from firmware texts, entries written again in their notation, and projects.
#include <QTest>

#include "segment_codes/presets.h"
#include "segment_codes/project.h"
#include "segment_codes/table_reader.h"

using namespace kelvarin::codes;

class TablesInTest : public QObject {
    Q_OBJECT
  private slots:
    void read_data();
    void read();
    void rewrite_data();
    void rewrite();
    void project_data();
    void project();
    void projectBuildsDeterministically();
    void windowWritesProject_data();
    void windowWritesProject();
    void windowWritesFrames();
};

// A text and its tables as "name@line: codes in hex", or "!" and a part of the error.
void TablesInTest::read_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tables");
    QTest::newRow("every notation") << "const unsigned char t[10] = {0x3f, 0X06, 5BH, 04fh,\n"
                                       "0b01100110, B01101101, 01111101b, 7, 0x7fu, 111UL};"
                                    << "t@1: 3f 6 5b 4f 66 6d 7d 7 7f 6f";
    QTest::newRow("comments, strings and a function around it")
        << "/* = { 1, 2 } */ #include <x.h>\nchar *s = \"= {9}\";\n__code unsigned char "
           "seg[] = { // the digits\n  0x3f, /* 0 */ 0x06 // 1\n};\nvoid f(void) { int a = 1; }"
        << "seg@3: 3f 6";
    QTest::newRow("two tables, a nested one flattened")
        << "uint8_t a[] PROGMEM = {1,2,};\nconst uint8_t f[2][2] = {{1, 2}, {3, 4}};"
        << "a@1: 1 2 | f@2: 1 2 3 4";
    QTest::newRow("A51 lines under a label") << "; digits\nseg:\tDB 03FH, 006H ; 0 1\n\tDB "
                                                "05BH\n\tEND\n"
                                             << "seg@2: 3f 6 5b";
    QTest::newRow("sdas with a label line")
        << "\t.area CSEG (CODE)\n_seg::\n\t.db 0x3f, 0x06\n\t.db 0x5b\nother: .db 1\n"
        << "_seg@2: 3f 6 5b | other@5: 1";
    QTest::newRow("no table") << "int main(void) { return 0; }"
                              << "!no table found";
    QTest::newRow("an entry not read") << "int t[] = {\n  0x3f, 0xg1 };"
                                       << "!line 2, column 9: cannot read \"0xg1\"";
    QTest::newRow("too wide for 7 segments") << "int t[] = { 0x1ff };"
                                             << "!line 1, column 13: \"0x1ff\" is wider";
    QTest::newRow("not closed") << "int t[] = { 1, 2;\nint x;"
                                << "!is not closed";
    QTest::newRow("a string in DB") << "t: DB 'ab'\n"
                                    << "!cannot read \"'ab'\"";
}

void TablesInTest::read() {
    QFETCH(QString, text);
    QFETCH(QString, tables);
    QString error;
    const std::optional<QList<FoundTable>> found = readTables(text, DisplayKind::Seven, &error);
    if (tables.startsWith(u'!')) {
        QVERIFY(!found);
        QVERIFY2(error.contains(tables.mid(1)), qPrintable(error));
        return;
    }
    QVERIFY2(found.has_value(), qPrintable(error));
    QStringList got;
    for (const FoundTable& t : *found) {
        QStringList codes;
        for (const FoundEntry& e : t.entries)
            codes << QString::number(e.code, 16);
        got << QStringLiteral("%1@%2: %3").arg(t.name).arg(t.line).arg(codes.join(u' '));
        // The declaration is whole lines of the text.
        QVERIFY(t.start == 0 || text[t.start - 1] == u'\n');
        QVERIFY(t.end == text.size() || text[t.end - 1] == u'\n');
    }
    QCOMPARE(got.join(QStringLiteral(" | ")), tables);
}

// An entry, a new code, and the entry written for it.
void TablesInTest::rewrite_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<uint>("code");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0x lower") << "0x3f" << 0x7eu << "0x7e";
    QTest::newRow("0X upper") << "0X3F" << 0x7eu << "0X7E";
    QTest::newRow("0x digits only, a C suffix") << "0x06u" << 0xabu << "0xabu";
    QTest::newRow("H suffix, leading 0 kept") << "03FH" << 0x7eu << "07EH";
    QTest::newRow("H suffix, 0 added before a letter") << "06h" << 0xc0u << "0c0h";
    QTest::newRow("binary suffix") << "00111111b" << 0x7eu << "01111110b";
    QTest::newRow("0b prefix") << "0b00000110" << 0x30u << "0b00110000";
    QTest::newRow("Arduino's B") << "B00000110" << 0x30u << "B00110000";
    QTest::newRow("decimal") << "63" << 126u << "126";
    QTest::newRow("wider than it was") << "0x6" << 0x1ffu << "0x1ff";
}

void TablesInTest::rewrite() {
    QFETCH(QString, entry);
    QFETCH(uint, code);
    QFETCH(QString, expected);
    QCOMPARE(rewriteEntry(entry, code), expected);
}

// A project and a part of what it builds, or "!" and a part of the error.
void TablesInTest::project_data() {
    QTest::addColumn<QString>("toml");
    QTest::addColumn<QString>("expected");
    const QString head = QStringLiteral("schema = 1\nname = \"clock\"\nversion = \"2.1\"\n");
    QTest::newRow("a text with a preset")
        << head + "[display]\nwiring = \"max7219\"\n[[table]]\nname = \"d\"\ntext = \"0\"\n"
        << "// clock 2.1, made from p.toml by Kelvarin 9.9: edit the project, not this file\n"
           "unsigned char code d[]={  //\"0\"\n0x7e};\n";
    QTest::newRow("14 segments in C, standard and hand-drawn entries")
        << head +
               "[display]\nkind = 14\npolarity = \"anode\"\n[output]\nformat = \"c\"\n"
               "[[table]]\nname = \"font\"\nstandard = true\n[[table]]\nname = \"i\"\n"
               "entries = [ { name = \"star\", segments = \"g1 g2 h j k l m n\" } ]\n"
        << "const uint16_t i[] = {\n    0x403f,  // star\n};\n";
    QTest::newRow("A51 ends the file once")
        << head +
               "[output]\nformat = \"a51\"\n[[table]]\nname = \"ta\"\ntext = \"1\"\n"
               "[[table]]\nname = \"tb\"\ntext = \"2\"\n"
        << "\tDB\t006H\n\n; \"2\"\n\tCSEG\ntb:\tDB\t05BH\n\tEND\n";
    QTest::newRow("no schema") << "name = \"x\"\n"
                               << "!p.toml:1: schema: missing";
    QTest::newRow("newer schema") << "schema = 3\n"
                                  << "!p.toml:1: schema: 3 is newer";
    QTest::newRow("unknown key") << head + "[output]\nfromat = \"c\"\n"
                                 << "!p.toml:5: [output] fromat: unknown key";
    QTest::newRow("bad kind") << head + "[display]\nkind = 8\n"
                              << "!p.toml:5: [display] kind: give a display kind";
    QTest::newRow("wiring for another kind")
        << head + "[display]\nkind = 16\nwiring = \"ht16k33-14\"\n"
        << "!p.toml:6: [display] wiring: the preset ht16k33-14 is for 14-segment";
    QTest::newRow("bad value type") << head + "[output]\nupper = \"yes\"\n"
                                    << "!p.toml:5: [output] upper: give true or false";
    QTest::newRow("two sources") << head +
                                        "[[table]]\nname = \"t\"\ntext = \"1\"\nstandard = true\n"
                                 << "!p.toml:4: [[table]] 1: name: give one of";
    QTest::newRow("a name twice")
        << head + "[[table]]\nname = \"t\"\ntext = \"1\"\n[[table]]\nname = \"t\"\ntext = \"2\"\n"
        << "!p.toml:8: [[table]] 2: name: \"t\" names two tables";
    QTest::newRow("a keyword for a name") << head + "[[table]]\nname = \"code\"\ntext = \"1\"\n"
                                          << "![[table]] 1: name: bad array name \"code\"";
    QTest::newRow("a segment of another kind")
        << head + "[[table]]\nname = \"t\"\nentries = [ { segments = \"a g1\" } ]\n"
        << "!p.toml:6: [[table]] 1: entries 1: segments: \"a g1\" names a segment";
    QTest::newRow("an animation after a table, A51 ending once")
        << head +
               "[output]\nformat = \"a51\"\n[[table]]\nname = \"ta\"\ntext = \"1\"\n"
               "[[animation]]\nname = \"hi\"\ndigits = 2\ntexts = [\"HI\"]\nscroll = true\n"
               "delays = [10, 20, 30]\n"
        << "hi:\tDB\t000H, 076H\t; 10 ms \" H\"\n";
    QTest::newRow("an animation too long")
        << head + "[[animation]]\nname = \"a\"\ndigits = 2\ntexts = [\"123\"]\n"
        << "!p.toml:7: [[animation]] 1: texts: \"123\" takes 3 digits";
    const QString drawn =
        head + "[output]\nformat = \"c\"\n[[animation]]\nname = \"spin\"\ndigits = 2\n";
    QTest::newRow("frames drawn by hand")
        << drawn +
               "segments = [[\"a\", \"\"], [\"\", \"a b\"]]\ndelays = [100, 200]\n"
               "labels = [\"left\", \"\"]\n"
        << "{0x01, 0x00},  // 100 ms \"left\"\n    {0x00, 0x03},  // 200 ms\n";
    QTest::newRow("a drawn label cannot end its comment")
        << drawn + "segments = [[\"a\", \"\"]]\nlabels = [\"x\\\\\\ny?\?=\"]\n"
        << "// 500 ms \"x/ y? ?=\"\n";
    QTest::newRow("a drawn frame of too few digits") << drawn + "segments = [[\"a\"]]\n"
                                                     << "!frame 1 has 1 digits, not the 2";
    QTest::newRow("a drawn segment of another kind") << drawn + "segments = [[\"a\", \"g1\"]]\n"
                                                     << "!of a 7-segment digit";
    QTest::newRow("a drawn delay of 0") << drawn + "segments = [[\"a\", \"\"]]\ndelays = [0]\n"
                                        << "!frame 1's delay of 0 ms";
    QTest::newRow("delays not one a frame")
        << drawn + "segments = [[\"a\", \"\"]]\ndelays = [1, 2]\n"
        << "!give one a frame (1)";
    QTest::newRow("texts and segments") << drawn + "texts = [\"1\"]\nsegments = [[\"a\", \"\"]]\n"
                                        << "!give texts or segments, not both";
    QTest::newRow("the window names no animation") << head + "[window]\nanimation = \"gone\"\n"
                                                   << "!no animation is named \"gone\"";
    QTest::newRow("not TOML") << "schema = = 1\n"
                              << "!p.toml:1:";
    QTest::newRow("beyond ASCII outside strings") << head + "caf\u00e9 = 1\n"
                                                  << "!p.toml:4:4: '\u00e9' outside a";
    QTest::newRow("beyond ASCII in a literal string") << head + "name = '\u00e9'\n"
                                                      << "!p.toml:4:9: '\u00e9' outside a";
    QTest::newRow("beyond ASCII in strings and comments")
        << head +
               "# caf\u00e9 \u00b0\n[[table]] # \u00e9\nname = \"t\"\n"
               "entries = [ { name = \"\u00e9\\u00e9\U0001F600\", char = \"\u00b0\" } ]\n"
        << "//\u00e9\u00e9\U0001F600\n";
}

void TablesInTest::project() {
    QFETCH(QString, toml);
    QFETCH(QString, expected);
    QString error;
    const std::optional<Project> p = readProject(toml, QStringLiteral("p.toml"), &error);
    if (expected.startsWith(u'!')) {
        QVERIFY(!p);
        QVERIFY2(error.startsWith(expected.mid(1)) || error.contains(expected.mid(1)),
                 qPrintable(error));
        return;
    }
    QVERIFY2(p.has_value(), qPrintable(error));
    const QString built = buildProject(*p, QStringLiteral("9.9"));
    QVERIFY2(built.contains(expected) || built.endsWith(expected), qPrintable(built));
    QCOMPARE(built.count(QStringLiteral("END\n")), built.contains(QStringLiteral("CSEG")) ? 1 : 0);
}

void TablesInTest::projectBuildsDeterministically() {
    QString text = QStringLiteral(
        "schema = 1\n[output]\nformat = \"sdcc\"\n[[table]]\nname = \"t\"\n"
        "entries = [\n");
    for (int k = 0; k < 1000; ++k)
        text += QStringLiteral("  { name = \"e%1\", char = \"%2\" },\n").arg(k).arg(k % 10);
    text += u']';
    QString error;
    const std::optional<Project> a = readProject(text, QStringLiteral("big.toml"), &error);
    QVERIFY2(a.has_value(), qPrintable(error));
    const QString built = buildProject(*a, QStringLiteral("1"));
    QCOMPARE(built, buildProject(*readProject(text, QStringLiteral("big.toml"), nullptr),
                                 QStringLiteral("1")));
    QCOMPARE(built.count(QStringLiteral("  // e")), 1000);
}

void TablesInTest::windowWritesProject_data() {
    // The window's draft written into an original project: what reads back, what the build
    // still writes, and what the writer refuses.
    QTest::addColumn<QString>("original");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("wiring");
    QTest::addColumn<bool>("anode");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");  // in the text written, or "!" and the error
    const QString head = QStringLiteral("schema = 1\nname = \"clock\"\n");
    const QString table = QStringLiteral("[[table]]\nname = \"d\"\ntext = \"12\"\n");
    QTest::newRow("new project, standard wiring") << QString() << 7 << QString() << false << "sdcc"
                                                  << "kind = 7";
    QTest::newRow("own wiring written as segments")
        << QString() << 7 << "e,dp,c,d,g,f,a,b" << true << "c51"
        << "wiring = \"e,dp,c,d,g,f,a,b\"";
    QTest::newRow("a preset's name kept while it gives the wiring")
        << head + "[display]\nwiring = \"max7219\"\n" + table << 7 << "max7219" << false << "sdcc"
        << "wiring = \"max7219\"";
    QTest::newRow("tables, name and other output keys kept")
        << head + "[output]\ncomments = true\ncrlf = true\n" + table << 7 << QString() << false
        << "c"
        << "comments = true";
    QTest::newRow("14 segments") << QString() << 14 << QString() << false << "c"
                                 << "kind = 14";
    QTest::newRow("a broken original is not written into")
        << head + "[output]\nfromat = \"c\"\n"
        << 7 << QString() << false << "sdcc"
        << "!p.toml:4: [output] fromat: unknown key";
    QTest::newRow("a text the new kind cannot show")
        << head + "[[table]]\nname = \"d\"\ntext = \"%\"\n"
        << 7 << QString() << false << "sdcc"
        << "!no 7-segment digit can show";
}

void TablesInTest::windowWritesProject() {
    QFETCH(QString, original);
    QFETCH(int, kind);
    QFETCH(QString, wiring);
    QFETCH(bool, anode);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    ProjectDraft draft;
    draft.kind = *kindNamed(QString::number(kind));
    draft.wiring = wiring.isEmpty() ? Wiring(draft.kind) : *wiringNamed(wiring, draft.kind);
    draft.polarity = anode ? Polarity::CommonAnode : Polarity::CommonCathode;
    draft.format = formatNamed(format);
    draft.perLine = 6;
    draft.crlf = anode;  // both ways: written when asked, taken out when not
    // A declaration with the window's CR LF line ends and a Chinese comment.
    draft.window = {QStringLiteral("seg_cc"),
                    QStringLiteral("unsigned char code seg_cc[]={ //共阴\r\n0x3f,0x06,"),
                    2,
                    {}};
    QString error;
    const std::optional<QString> text =
        writeProject(draft, original, QStringLiteral("p.toml"), &error);
    if (expected.startsWith(u'!')) {
        QVERIFY(!text);
        QVERIFY2(error.contains(expected.mid(1)), qPrintable(error));
        return;
    }
    QVERIFY2(text, qPrintable(error));
    QVERIFY2(text->contains(expected), qPrintable(*text));
    const std::optional<Project> back = readProject(*text, QStringLiteral("p.toml"), &error);
    QVERIFY2(back, qPrintable(error));
    QCOMPARE(back->kind, draft.kind);
    QCOMPARE(back->wiring, draft.wiring);
    QCOMPARE(back->polarity, draft.polarity);
    QCOMPARE(back->output.format, draft.format);
    QCOMPARE(back->output.perLine, 6);
    QCOMPARE(back->output.crlf, draft.crlf);
    QCOMPARE(back->window, std::optional<ProjectWindow>(draft.window));
    // The original's tables build as before, and writing again changes nothing.
    if (!original.isEmpty()) {
        QCOMPARE(back->tableNames, readProject(original, QString(), nullptr)->tableNames);
        QCOMPARE(back->name, QStringLiteral("clock"));
    }
    QCOMPARE(writeProject(draft, *text, QStringLiteral("p.toml"), nullptr), text);
}

void TablesInTest::windowWritesFrames() {
    // The frames window's animation written in place of its own, others kept; read back drawn
    // as they were; gone when the window has none.
    const QString original = QStringLiteral(
        "schema = 1\n[[animation]]\nname = \"a\"\ndigits = 2\ntexts = [\"12\"]\n"
        "[[animation]]\nname = \"mine\"\ndigits = 1\ntexts = [\"1\"]\n"
        "[[animation]]\nname = \"z\"\ndigits = 1\ntexts = [\"3\"]\n"
        "[window]\nanimation = \"mine\"\ndeclaration = \"\"\n");
    ProjectDraft draft;
    draft.window.animation = QStringLiteral("mine");
    draft.frames = {{{0x01, 0x06}, 100, QStringLiteral("\u4f60\u597d")}, {{0x00, 0x80}, 250, {}}};
    QString error;
    const std::optional<QString> text = writeProject(draft, original, QStringLiteral("p"), &error);
    QVERIFY2(text, qPrintable(error));
    const std::optional<Project> back = readProject(*text, QStringLiteral("p"), &error);
    QVERIFY2(back, qPrintable(error));
    QCOMPARE(back->animationNames, (QStringList{"a", "mine", "z"}));
    QCOMPARE(drawnOf(back->animations[1], back->wiring, back->polarity), draft.frames);
    QCOMPARE(back->window->animation, QStringLiteral("mine"));
    // Renamed: the old one goes, the new one comes last.
    draft.window.animation = QStringLiteral("renamed");
    const std::optional<QString> renamed = writeProject(draft, *text, QStringLiteral("p"), &error);
    QVERIFY2(renamed, qPrintable(error));
    QCOMPARE(readProject(*renamed, QString(), nullptr)->animationNames,
             (QStringList{"a", "z", "renamed"}));
    // No frames: the window's animation goes, the rest stays.
    draft.frames.clear();
    const std::optional<QString> none = writeProject(draft, *renamed, QStringLiteral("p"), &error);
    QVERIFY2(none, qPrintable(error));
    const std::optional<Project> left = readProject(*none, QString(), nullptr);
    QCOMPARE(left->animationNames, (QStringList{"a", "z"}));
    QVERIFY(left->window->animation.isEmpty());
}

QTEST_GUILESS_MAIN(TablesInTest)
#include "test_tables_in.moc"
