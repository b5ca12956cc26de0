// SPDX-License-Identifier: MIT
// The harnesses: each reads the arguments of one operation from the fuzz input, runs it, and
// applies the oracle: only the run-time errors the operation may raise are expected.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <limits>
#include <memory>

#include "fuzz/fuzz_input.h"
#include "fuzz/harnesses.h"
#include "platform/drives.h"
#include "platform/number_text.h"
#include "platform/sqlite_registry.h"
#include "platform/string_runtime.h"
#include "platform/variant_rules.h"
#include "workout/workout.h"

namespace kelvarin::fuzz {

namespace {

using E = std::initializer_list<int>;
const E kNone = {};

workOut& object() {
    static workOut w;
    return w;
}

// A folder of this process for the files a harness writes: in memory where the system has
// such a place, so that writing (and its flush to the disk) does not decide the pace.
QString scratch(const char* name) {
    static QTemporaryDir dir((QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                        : QDir::tempPath()) +
                             QStringLiteral("/kelvarin-fuzz-XXXXXX"));
    return dir.filePath(QString::fromLatin1(name));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QVariant variant(Input& in) {
    switch (in.count(6)) {
        case 0:
            return QVariant();
        case 1:
            return QVariant(in.number<qint32>());
        case 2:
            return QVariant(in.number<double>());
        case 3:
            return QVariant(in.byte() & 1);
        case 4:
            return QVariant(static_cast<bool>(in.byte() & 1));
        default:
            return QVariant(in.text());
    }
}

// A start position: ordinary, fractional, or one of the awkward ones.
float start(Input& in) {
    static const float odd[] = {std::numeric_limits<float>::quiet_NaN(),
                                std::numeric_limits<float>::infinity(),
                                -std::numeric_limits<float>::infinity(),
                                1e30f,
                                -1e30f,
                                1e17f,
                                -1e17f,
                                16777217.0f,
                                0.5f,
                                -0.5f,
                                2.5f};
    const int kind = in.count(4);
    if (kind == 0) return odd[in.count(static_cast<int>(std::size(odd)))];
    if (kind == 1) return in.number<float>();
    return static_cast<float>(static_cast<int>(in.byte()) - 20) + (kind == 3 ? 0.5f : 0.0f);
}

QStringList array(Input& in) {
    return QStringList(in.count(8), QStringLiteral("o"));
}

}  // namespace

int run_jzToDec(Input& in) {
    const QString text = in.text();
    const qint32 base = static_cast<qint32>(static_cast<qint8>(in.byte()));
    bool wrong = false;
    allowing(kNone, [&] { object().jzToDec(text, base, wrong); });
    return 0;
}

int run_XorTwice(Input& in) {
    const QString text = in.rest();
    allowing(kNone, [&] { object().XorTwice(text); });
    return 0;
}

int run_Val(Input& in) {
    const double d = in.number<double>();
    const float f = in.number<float>();
    allowing(kNone, [&] { rt::numberText(d), rt::numberText(f); });
    const QString text = in.rest();
    allowing({err::Overflow}, [&] { rt::Val(text); });
    return 0;
}

int run_plusMinus(Input& in) {
    QString text = in.rest();
    allowing({err::Overflow}, [&] { object().plusMinus(text); });
    return 0;
}

int run_DecTrans(Input& in) {
    const qint32 base = in.number<qint32>() % 64;
    QString text = in.rest();
    allowing(kNone, [&] { object().DecTrans(text, base); });
    return 0;
}

int run_XorRunTwice(Input& in) {
    QString a = in.text(), b = in.rest();
    allowing(kNone, [&] { object().XorRunTwice(a, b); });
    return 0;
}

int run_FormatNum(Input& in) {
    const float f = in.number<float>();
    allowing(kNone, [&] { object().FormatNum(f); });
    return 0;
}

int run_IncStr(Input& in) {
    const QString a = in.text(), b = in.text(), c = in.text();
    allowing(kNone, [&] { object().IncStr(a, b, c); });
    return 0;
}

int run_LeftInStr(Input& in) {
    const float s = start(in);
    const QString find = in.text(), text = in.rest();
    allowing(kNone, [&] { object().LeftInStr(s, text, find); });
    return 0;
}

int run_RightInStr(Input& in) {
    const float s = start(in);
    const QString find = in.text(), text = in.rest();
    allowing(kNone, [&] { object().RightInStr(s, text, find); });
    return 0;
}

int run_Between(Input& in) {
    const QString l = in.text(), r = in.text(), text = in.rest();
    allowing({err::InvalidArgument, err::Overflow}, [&] { object().GetLRBetween(text, l, r); });
    allowing({err::InvalidArgument, err::Overflow}, [&] { object().GetLLBetween(text, l, r); });
    return 0;
}

int run_DelCharsBetween(Input& in) {
    const QString two = in.text(), text = in.rest();
    QString include;
    allowing(kNone, [&] { object().DelCharsBetween(text, include, two); });
    return 0;
}

int run_GetSTRinChar(Input& in) {
    QStringList fields = array(in);
    const qsizetype size = fields.size();
    const QString separator = in.text();
    QString text = in.rest();
    allowing({err::SubscriptOutOfRange}, [&] { object().GetSTRinChar(text, separator, fields); });
    sameSize(fields, size);
    if (size > 0 && fields[0] != u"o") finding("element 0 was written");
    return 0;
}

int run_SpaceWords(Input& in) {
    QStringList words = array(in);
    const qsizetype size = words.size();
    QString text = in.rest();
    allowing(kNone, [&] { object().SpaceWords(text, words); });
    sameSize(words, size);
    return 0;
}

int run_CutLeftRight(Input& in) {
    const qint32 n = in.number<qint32>();
    const QString cut = in.text(), text = in.rest();
    QString a, b;
    allowing(kNone, [&] {
        object().CutLeftRight(text, cut, a, b);
        object().Left(text, n);
        object().Right(text, n);
    });
    return 0;
}

int run_CountAinB(Input& in) {
    const QString a = in.text(), b = in.rest();
    allowing(kNone, [&] { object().CountAinB(a, b), object().iFAinB(a, b); });
    return 0;
}

int run_Del_LRChr(Input& in) {
    const QString set = in.text(), text = in.rest();
    allowing(kNone, [&] { object().Del_LRChr(text, set); });
    return 0;
}

int run_LUCase(Input& in) {
    const QString a = in.text(), b = in.rest();
    allowing(kNone, [&] { object().LUCase(a, b), object().LUCase(a, a); });
    return 0;
}

int run_LenChineseEnglish(Input& in) {
    const QString text = in.rest();
    allowing(kNone, [&] { object().LenChineseEnglish(text); });
    return 0;
}

// Results between 32 Mi characters and the longest text (256 Mi) only cost time: writing up to
// 512 MB under the sanitizers takes most of the second an input may take. The ordinary tests build
// them; here the lengths around the limit are tried on either side of it instead.
constexpr qint64 kLongResult = qint64(1) << 25;
bool slowButFine(qint64 length) {
    return length > kLongResult && length <= rt::kLongestText;
}

int run_replaceFormat(Input& in) {
    // Lengths far beyond the input, up to and past the longest text, are worth trying too.
    const qint32 lent = in.byte() & 1 ? in.number<qint32>() : in.count(64) - 8;
    const QString text = in.rest();
    const qint64 zeros = text.contains(u'.') ? (lent < 1 ? 1 : qint64(lent) - 2)
                                             : std::max<qint64>(0, qint64(lent) - text.size());
    if (slowButFine(text.size() + zeros)) return 0;
    allowing({err::InvalidArgument, err::OutOfStringSpace},
             [&] { object().replaceFormat(text, lent); });
    return 0;
}

int run_SpaceChar(Input& in) {
    const qint32 num = in.byte() & 1 ? in.number<qint32>() : in.count(16) - 2;
    const QString text = in.rest();
    if (slowButFine(text.size() * (qint64(num) + 1))) return 0;
    allowing({err::InvalidArgument, err::OutOfStringSpace}, [&] { object().SpaceChar(text, num); });
    return 0;
}

int run_variants(Input& in) {
    QVariant a = variant(in), b = variant(in);
    allowing(kNone, [&] {
        object().Max(a, b);
        rt::compare(a, b);
        rt::printText(a);
        rt::textOf(b);
        object().Swap(a, b);
    });
    allowing({err::TypeMismatch, err::Overflow}, [&] { rt::toLongValue(a); });
    return 0;
}

int run_dates(Input& in) {
    const qint32 year = in.number<qint32>(), ms = in.number<qint32>();
    const qint64 msecs = in.number<qint64>() % (qint64(400) * 366 * 86400 * 1000 * 50);
    allowing(kNone, [&] { object().iFYunNian(year), object().LeaveAway(ms); });
    const QDateTime moment = QDateTime::fromMSecsSinceEpoch(msecs);
    allowing({err::InvalidArgument}, [&] { object().DateTransSecend(moment); });
    return 0;
}

int run_fileNames(Input& in) {
    const bool flag = in.byte() & 1;
    const QString path = in.rest();
    allowing(kNone, [&] {
        object().MainNameA(path, flag), object().MainNameB(path, flag);
        object().MainNameC(path, flag), object().GetMainExp(path, flag);
        object().AddPathChr92(path, flag);
    });
    return 0;
}

int run_GetSubCommandMain(Input& in) {
    QStringList names = array(in);
    const qsizetype size = names.size();
    const QString text = in.rest();
    allowing(kNone, [&] { object().GetSubCommandMain(text, names); });
    sameSize(names, size);
    return 0;
}

int run_pGetCartoonNum(Input& in) {
    QString name = in.rest();
    allowing({err::InvalidArgument, err::TypeMismatch, err::Overflow},
             [&] { object().pGetCartoonNum(name); });
    return 0;
}

int run_FormatMoney(Input& in) {
    const QString text = in.rest();
    allowing(kNone, [&] { object().FormatMoney(text); });
    return 0;
}

int run_RowHotTime(Input& in) {
    const qint32 from = in.count(12) - 2, to = in.count(12) - 2;
    const bool up = in.byte() & 1;
    QStringList texts;
    while (!in.empty() && texts.size() < 64)
        texts << in.text();
    const QStringList before = texts;
    allowing(kNone, [&] { object().RowHotTime(texts, from, to, up); });
    sameSize(texts, before.size());
    for (qsizetype k = 0; k < texts.size(); ++k) {
        const bool inside = from <= to && from >= 0 && to < texts.size() && k >= from && k <= to;
        if (!inside && texts[k] != before[k]) finding("an element outside the range changed");
        if (inside && k > from &&
            (up ? texts[k - 1].compare(texts[k]) > 0 : texts[k - 1].compare(texts[k]) < 0))
            finding("the range is not in order");
    }
    return 0;
}

int run_ini(Input& in) {
    // A file's bytes in; lookups and edits; written back and read again.
    const QString sign = in.text(), title = in.text();
    const QVariant value = variant(in);
    const QString file = scratch("store.ini"), copy = scratch("copy.ini");
    writeFile(file, in.restBytes());
    workOut& w = object();
    allowing(kNone, [&] {
        w.ini_SetOpenFiles(file);
        QString t = title;
        qint32 wrong = 0;
        w.ini_GetDatas(sign, t, wrong);
        t = title;
        w.ini_AddOrEditorData(sign, value, t, wrong);
        t = QStringLiteral("*");
        w.ini_GetDatas(sign, t, wrong);
        QString target = copy;
        w.ini_WriteToFile(target);
        w.ini_SetOpenFiles(copy);
        t = title;
        w.ini_GetDatas(sign, t, wrong);
        w.ini_SetCloseFiles();
    });
    return 0;
}

int run_lyrics(Input& in) {
    qint32 times[4];
    for (qint32& t : times)
        t = in.number<qint32>();
    const QString file = scratch("song.lrc");
    writeFile(file, in.restBytes());
    workOut& w = object();
    allowing(kNone, [&] {
        w.LRC_Load(file);
        for (const qint32 t : times) {
            qint32 left = 0;
            w.LRC_GetTimeStr(t, left);
        }
        QString a, b, c, d, e;
        w.LRC_GetContents(a, b, c, d, e);
    });
    return 0;
}

int run_SearchText(Input& in) {
    const QString read = in.text(), check = in.rest();
    allowing(kNone, [&] { object().SearchText(read, check); });
    return 0;
}

namespace {

class Box final : public TextBox {
  public:
    QString content;
    qint32 start = 0, length = 0;
    QString text() const override { return content; }
    void setText(const QString& t) override { content = t, start = length = 0; }
    qint32 selStart() const override { return start; }
    void setSelStart(qint32 s) override { start = s, length = 0; }
    qint32 selLength() const override { return length; }
    void setSelLength(qint32 l) override { length = l; }
};

}  // namespace

int run_TextLine(Input& in) {
    Box box;
    const qint32 line = in.number<qint32>();
    box.start = in.number<qint32>();
    box.length = in.number<qint32>();
    const QString insert = in.text();
    box.content = in.rest();
    allowing(kNone, [&] {
        object().TextLenLine(box);
        object().TextLine(box, line);
        object().TextLine(box, in.count(8));
        object().Textbox_insert(box, insert);
    });
    return 0;
}

int run_pathMapping(Input& in) {
    QList<platform::Drive> drives;
    const int n = in.count(5);
    for (int k = 0; k < n; ++k) {
        platform::Drive d;
        d.letter = QChar(u'C' + k);
        d.mountPoint = k == 0 ? QStringLiteral("/") : in.text();
        drives << d;
    }
    const QString text = in.rest();
    allowing(kNone, [&] {
        const QString linux = platform::toLinuxPath(text, drives);
        platform::toPathText(linux, drives);
        platform::toPathText(text, drives);
    });
    return 0;
}

namespace {

class Probe final : public platform::MountProbe {
  public:
    quint8 bits = 0;
    bool isFolder(const QString& p) const override { return (bits ^ p.size()) & 1; }
    bool removable(quint32 major, quint32) const override { return (bits >> (major & 7)) & 1; }
    platform::Drive root() const override { return {}; }
};

}  // namespace

int run_mountTable(Input& in) {
    Probe probe;
    probe.bits = in.byte();
    const QString text = in.rest();
    allowing(kNone, [&] {
        const QList<platform::Drive> drives = platform::drivesFromMountInfo(text, probe);
        if (drives.size() > 24) finding("more drives than letters");
    });
    return 0;
}

int run_registry(Input& in) {
    // One store in memory serves many inputs and is begun afresh now and then: keys with
    // sub-keys outlive their input, and a store that only grew would end a long run at its
    // memory limit.
    static std::unique_ptr<platform::SqliteRegistry> store;
    static qint64 inputs = 0;
    if (inputs++ % 65536 == 0)
        store =
            std::make_unique<platform::SqliteRegistry>([] { return QStringLiteral(":memory:"); });
    platform::Services s;
    s.registry = store.get();
    workOut w(s);
    const qint32 roots[] = {platform::reg::HKEY_CURRENT_USER, platform::reg::HKEY_LOCAL_MACHINE, 0,
                            12345};
    const qint32 root = roots[in.count(4)];
    const QString key = in.text(), name = in.text();
    const qint32 type = in.count(6);
    const QVariant value = variant(in);
    allowing(kNone, [&] { w.REG_CreateNewKey(root, key); });
    allowing({err::TypeMismatch, err::Overflow},
             [&] { w.REG_SetKeyValue(root, key, name, value, type); });
    allowing(kNone, [&] {
        w.REG_QueryValue(root, key, name);
        if (in.byte() & 1) w.REG_DelVal(root, key, name);
        if (in.byte() & 1) w.REG_DelKey(root, key);
    });
    return 0;
}

int run_dialogText(Input& in) {
    QStringList names = array(in);
    const qsizetype size = names.size();
    const qint32 length = in.number<qint32>();
    const QString text = in.rest();
    allowing(kNone, [&] {
        object().GetCommondialogFilename(text, names);
        object().GetMainDir(text);
        object().GetFileLenKBMB(length);
    });
    sameSize(names, size);
    return 0;
}

}  // namespace kelvarin::fuzz
