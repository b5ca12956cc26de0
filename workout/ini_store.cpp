// SPDX-License-Identifier: MIT
// The INI store: open a file into the table, look up, add or change, write back, close.

#include "workout/internal/ini_store.h"

#include <algorithm>

#include "runtime/conversion.h"
#include "runtime/resume_next.h"
#include "runtime/string_runtime.h"
#include "runtime/trace.h"
#include "runtime/variant_rules.h"
#include "workout/internal/trace.h"
#include "workout/workout.h"

namespace kelvarin {

namespace {

// A key or name in lower case: letters of ASCII by hand, anything else by Qt's case rules; a
// text with no capital letter is shared as it is.
QString lowerCase(const QString& text) {
    const QChar* c = text.constData();
    const qsizetype n = text.size();
    qsizetype k = 0;
    for (; k < n; ++k) {
        const char16_t u = c[k].unicode();
        if (u >= 0x80) return text.toLower();
        if (u >= u'A' && u <= u'Z') break;
    }
    if (k == n) return text;
    QString lower = text;
    QChar* out = lower.data();
    for (; k < n; ++k) {
        const char16_t u = out[k].unicode();
        if (u >= 0x80) return text.toLower();
        if (u >= u'A' && u <= u'Z') out[k] = QChar(static_cast<char16_t>(u + (u'a' - u'A')));
    }
    return lower;
}

// Puts r into the ascending list unless it is there.
void insertRow(QList<int>& rows, int r) {
    const auto at = std::lower_bound(rows.begin(), rows.end(), r);
    if (at == rows.end() || *at != r) rows.insert(at, r);
}

}  // namespace

void IniStore::open() {
    close();
    m_capacity = 10;
    m_open = true;
    encoding = rt::TextEncoding::Utf8;
    byteOrderMark = false;
    unreadable.clear();
    source.clear();
}

void IniStore::close() {
    for (Row& r : m_rows)
        r = Row();
    m_byName.clear();
    m_byKey.clear();
    m_lastRow = -1;
    m_open = false;
}

void IniStore::setName(int r, const QString& name) {
    Row& target = mutableRow(r);
    target.rawHeader = QByteArrayView();
    if (!target.name.isEmpty()) m_byName[target.lowerName].removeOne(r);
    target.name = name;
    target.lowerName = lowerCase(name);
    if (!name.isEmpty()) insertRow(m_byName[target.lowerName], r);
    m_lastRow = -1;
}

void IniStore::append(int r, const QString& key, const QString& value, QByteArrayView raw) {
    Row& target = mutableRow(r);
    const qsizetype slot = static_cast<qsizetype>(target.keys.size());
    target.keys.push_back({key, value, raw});
    // The indexes keep the first slot of each key (slots are kept from 1 up: 0 is a new entry).
    qsizetype& first = target.exact[key];
    if (first == 0) {
        first = slot + 1;
        insertRow(m_byKey[key], r);
    }
    qsizetype& firstLower = target.lower[lowerCase(key)];
    if (firstLower == 0) firstLower = slot + 1;
    m_lastRow = -1;
}

void IniStore::setValue(int r, qsizetype slot, const QString& value) {
    Key& key = mutableRow(r).keys[static_cast<size_t>(slot)];
    key.value = value;
    key.raw = QByteArrayView();
}

void IniStore::grow() {
    m_capacity += 10;
    m_lastRow = -1;
}

const QList<int>& IniStore::rowsNamed(const QString& lowerName) const {
    static const QList<int> none;
    const auto found = m_byName.constFind(lowerName);
    return found == m_byName.cend() ? none : *found;
}

const QList<int>& IniStore::rowsWithKey(const QString& key) const {
    static const QList<int> none;
    const auto found = m_byKey.constFind(key);
    return found == m_byKey.cend() ? none : *found;
}

int IniStore::lastSearchedRow() const {
    if (m_lastRow < 0) {
        m_lastRow = kRows;
        for (int r = 2; r <= kRows; ++r) {
            const Row& candidate = row(r);
            if (candidate.name.isEmpty() &&
                static_cast<qint64>(candidate.keys.size()) < m_capacity) {
                m_lastRow = r;
                break;
            }
        }
    }
    return m_lastRow;
}

namespace {

// Flags of the error accumulator.
constexpr qint32 kNotOpen = 1;
constexpr qint32 kNotFound = 2;
constexpr qint32 kEmptySign = 2;
constexpr qint32 kBelowZero = 8;
constexpr qint32 kAbove99 = 16;
constexpr qint32 kEmptyBrackets = 32;
constexpr qint32 kEmptySignLookup = 64;
constexpr qint32 kNoFreeRow = 64;

void addFlag(qint32& wrong, qint32 flag) {
    rt::ResumeNext rn(lcIni(), "ini flags");
    rn([&] { wrong = rt::add(wrong, flag); });
}

// A section number: plain decimal, an optional "-", no leading zeros, no "+" or spaces, within
// 32 bits.
bool sectionNumber(const QString& text, qint32& n) {
    bool ok = false;
    n = text.toInt(&ok, 10);
    return ok && QString::number(n) == text;
}

// The text between the brackets of a Title of the form "[...]".
bool bracketed(const QString& title, QString& inner) {
    if (title.size() < 2 || !title.startsWith(u'[') || !title.endsWith(u']')) return false;
    inner = title.mid(1, title.size() - 2);
    return true;
}

}  // namespace

qint32 workOut::ini_SetOpenFiles(const QString& sFileName) {
    IniStore& store = *m_ini;
    store.fileName = sFileName;
    store.open();
    rt::TextLines file;
    QString path;
    try {
        path = filePath(sFileName);
        file = rt::decodeLines(rt::readFile(path));
    } catch (const workOutError& e) {
        rt::traceFailure(lcIni(), __func__, e.number(), e.what(), sFileName);
        // A missing file leaves the store open and empty, to be written as a new file. One that
        // is there but cannot be read (no permission, a folder, too large) is reported with its
        // error, and the store will not write over it.
        const int n = e.number();
        if (n == err::FileNotFound || n == err::PathNotFound) return 1;
        store.unreadable = path;
        return n;
    }
    store.encoding = file.encoding;
    store.byteOrderMark = file.byteOrderMark;
    store.source = file.bytes;  // the same bytes, which the views below are of
    int row = 1;
    qint64 count = 0;
    for (qsizetype k = 0; k < file.size(); ++k) {
        QStringView line = file.line(k);
        const QByteArrayView raw = file.raw(k);
        // A space is one byte in either encoding, and no byte of another character.
        qsizetype lead = 0;
        while (lead < line.size() && line[lead] == u' ')
            ++lead;
        line = line.mid(lead);
        qsizetype end = line.size();
        while (end > 0 && line[end - 1] == u' ')
            --end;
        if (end >= 2 && line[0] == u'[' && line[end - 1] == u']') {
            ++row;
            count = 0;
            if (row <= IniStore::kRows) {
                store.setName(row, line.mid(1, end - 2).toString());
                store.keepHeaderBytes(row,
                                      raw.sliced(lead, raw.size() - lead - (line.size() - end)));
            }
        }
        const qsizetype equals = line.indexOf(u'=');
        // A key line; one whose key is empty would end its row's keys, so it is left out.
        if (equals <= 0 || row > IniStore::kRows) continue;
        ++count;
        if (count % 10 == 0) store.grow();
        store.append(row, line.left(equals).toString(), line.mid(equals + 1).toString(),
                     raw.sliced(lead));
    }
    return 0;
}

QString workOut::ini_GetDatas(const QString& Sign, QString& Title, qint32& wrong) {
    const IniStore& store = *m_ini;
    const QString sign = rt::trimSpaces(Sign);
    if (sign.isEmpty()) {
        addFlag(wrong, kEmptySignLookup);
        return QString();
    }
    if (Title.isEmpty()) Title = QStringLiteral("*");
    if (!store.isOpen()) {
        wrong = kNotOpen;
        return QString();
    }
    QString inner;
    if (bracketed(Title, inner)) {
        qint32 n = 0;
        if (inner.isEmpty()) {
            addFlag(wrong, kEmptyBrackets);
            return QString();
        }
        if (sectionNumber(inner, n)) {
            if (n < 0) {
                addFlag(wrong, kBelowZero);
                return QString();
            }
            if (n > 99) {
                addFlag(wrong, kAbove99);
                return QString();
            }
            if (const QString* v = store.row(n + 1).valueOfLower(lowerCase(Sign))) return *v;
        } else {
            Title = inner;
        }
    }
    const QString lowerSign = lowerCase(sign);
    const int last = store.lastSearchedRow();
    if (Title == u"*") {
        // The stored key as it is: a key stored with capitals is not found this way.
        const QList<int>& rows = store.rowsWithKey(lowerSign);
        if (!rows.isEmpty() && rows.first() <= last) {
            const IniStore::Row& row = store.row(rows.first());
            return row.keys[static_cast<size_t>(row.slotOf(lowerSign))].value;
        }
    } else {
        // Every section of the name in turn; the first that has the key wins. A Title of spaces
        // names the rows without a name: the keys before the first section, and the unnamed
        // rows before the end of the sections.
        const QString name = lowerCase(rt::trimSpaces(Title));
        QList<int> unnamed;
        if (name.isEmpty()) {
            for (int r = 1; r <= last; ++r) {
                if (store.row(r).name.isEmpty()) unnamed << r;
            }
        }
        for (const int r : name.isEmpty() ? unnamed : store.rowsNamed(name)) {
            if (r > last) break;
            if (const QString* v = store.row(r).valueOfLower(lowerSign)) return *v;
        }
    }
    addFlag(wrong, kNotFound);
    return QString();
}

namespace {

// Puts the key into the row: a key equal but for letter case gets the value; otherwise the key
// takes the next slot, the capacity growing by 10 when every slot is taken.
void putKey(IniStore& store, int r, const QString& sign, const QString& value) {
    const IniStore::Row& row = store.row(r);
    const qsizetype found = row.slotOfLower(lowerCase(sign));
    if (found >= 0) {
        store.setValue(r, found, value);
        return;
    }
    if (static_cast<qint64>(row.keys.size()) >= store.capacity()) store.grow();
    store.append(r, sign, value);
}

}  // namespace

qint32 workOut::ini_AddOrEditorData(const QString& Sign, const QVariant& Value, QString& Title,
                                    qint32& wrong) {
    IniStore& store = *m_ini;
    if (rt::trimSpaces(Sign).isEmpty()) {
        addFlag(wrong, kEmptySign);
        return 0;
    }
    if (!store.isOpen()) {
        wrong = kNotOpen;
        return 0;
    }
    QString value;
    rt::ResumeNext rn(lcIni(), __func__);
    rn([&] { value = rt::textOf(Value); });
    if (Title.isEmpty()) Title = QStringLiteral("[0]");
    QString inner;
    if (bracketed(Title, inner)) {
        qint32 n = 0;
        if (inner.isEmpty()) {
            addFlag(wrong, kEmptyBrackets);
            return 0;
        }
        if (sectionNumber(inner, n)) {
            if (n < 0) {
                addFlag(wrong, kBelowZero);
            } else if (n > 99) {
                addFlag(wrong, kAbove99);
            } else {
                putKey(store, n + 1, Sign, value);
            }
            return 0;
        }
        Title = inner;
    }
    // The first row of that name, unless an unnamed row (the free row) comes before it.
    int free = 0;
    for (int r = 2; r <= IniStore::kRows && free == 0; ++r) {
        if (store.row(r).name.isEmpty()) free = r;
    }
    const QList<int>& named = store.rowsNamed(lowerCase(Title));
    if (!named.isEmpty() && (free == 0 || named.first() < free)) {
        putKey(store, named.first(), Sign, value);
        return 0;
    }
    if (free == 0) {
        addFlag(wrong, kNoFreeRow);
        return 0;
    }
    // The new section takes the free row, with any keys it already holds, and the key goes in.
    store.setName(free, Title);
    putKey(store, free, Sign, value);
    return 0;
}

qint32 workOut::ini_WriteToFile(QString& sPath) {
    const IniStore& store = *m_ini;
    if (sPath == u"*") sPath = store.fileName;
    if (!store.isOpen()) return 1;
    if (sPath.isEmpty()) return 2;
    // Rows the store did not change keep their bytes, so that a file that was neither valid
    // UTF-8 nor valid GB18030 loses nothing; new and changed rows are written in the file's
    // encoding, every line ending in CR LF.
    QByteArray bytes = store.byteOrderMark && store.encoding == rt::TextEncoding::Utf8
                           ? QByteArray("\xEF\xBB\xBF")
                           : QByteArray();
    auto line = [&](QByteArrayView kept, const QString& text) {
        if (kept.data() == nullptr) {
            bytes += rt::encodeText(text, store.encoding, false);
        } else {
            bytes += kept;
        }
        bytes += "\r\n";
    };
    auto keyLines = [&](const IniStore::Row& row) {
        for (const IniStore::Key& k : row.keys)
            line(k.raw, k.key + u'=' + k.value);
    };
    keyLines(store.row(1));
    for (int r = 2; r <= IniStore::kRows; ++r) {
        const IniStore::Row& row = store.row(r);
        if (row.name.isEmpty()) continue;
        line(row.rawHeader, u'[' + row.name + u']');
        keyLines(row);
    }
    try {
        const QString path = filePath(sPath);
        // A file that was there but could not be read is never replaced by what is left.
        if (!store.unreadable.isEmpty() && path == store.unreadable)
            raiseError(err::PermissionDenied);
        rt::writeFileAtomically(path, bytes);
    } catch (const workOutError& e) {
        // A file that cannot be created is left alone; the result stays 0.
        rt::traceFailure(lcIni(), __func__, e.number(), e.what(), sPath);
    }
    return 0;
}

void workOut::ini_SetCloseFiles() {
    m_ini->close();
}

}  // namespace kelvarin
