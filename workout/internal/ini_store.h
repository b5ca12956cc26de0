// SPDX-License-Identifier: MIT
#pragma once

// The INI store's table: up to 100 rows (row 1 for the keys before the first section, rows 2 to
// 100 for the sections), each with a name and its keys in slot order, and one key capacity that
// all rows share and that only grows. Only the keys stored take memory. Indexes answer the
// lookups without scanning: each row's keys as stored and in lower case, the rows of each name
// and the rows that hold each key, and the row at which a search by name ends.

#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <vector>

#include "runtime/text_files.h"

namespace kelvarin {

class IniStore {
  public:
    static constexpr int kRows = 100;

    struct Key {
        QString key;
        QString value;
        QByteArrayView raw;  // the line's bytes as read, in source (none once changed, or new)
    };
    struct Row {
        QString name;
        QString lowerName;
        QByteArrayView rawHeader;         // the header's bytes as read (none once renamed, or new)
        std::vector<Key> keys;            // slots 1, 2, ... without gaps
        QHash<QString, qsizetype> exact;  // key as stored -> first slot + 1
        QHash<QString, qsizetype> lower;  // key in lower case -> first slot + 1

        // The first slot of the key as stored, or of the key in lower case; -1 for none.
        qsizetype slotOf(const QString& key) const { return exact.value(key) - 1; }
        qsizetype slotOfLower(const QString& lowerKey) const { return lower.value(lowerKey) - 1; }
        // The value in the first slot of the key in lower case, or nothing.
        const QString* valueOfLower(const QString& lowerKey) const {
            const qsizetype slot = slotOfLower(lowerKey);
            return slot < 0 ? nullptr : &keys[static_cast<size_t>(slot)].value;
        }
    };

    // A new empty table, open, capacity 10.
    void open();
    void close();
    bool isOpen() const { return m_open; }

    const Row& row(int r) const { return m_rows[static_cast<size_t>(r)]; }
    void setName(int r, const QString& name);
    // Adds a key in the row's next slot, with the bytes of its line when it was read (a view of
    // source).
    void append(int r, const QString& key, const QString& value, QByteArrayView raw = {});
    // The bytes of the row's header as read.
    void keepHeaderBytes(int r, QByteArrayView raw) { mutableRow(r).rawHeader = raw; }
    void setValue(int r, qsizetype slot, const QString& value);
    qint64 capacity() const { return m_capacity; }
    void grow();

    // The rows of a name in lower case, and the rows holding a key as stored, in row order.
    const QList<int>& rowsNamed(const QString& lowerName) const;
    const QList<int>& rowsWithKey(const QString& key) const;
    // The last row a search by name or through every section reaches: the first unnamed row
    // from row 2 on that has a free slot (the end of the sections), else row 100.
    int lastSearchedRow() const;

    QString fileName;
    rt::TextEncoding encoding = rt::TextEncoding::Utf8;
    bool byteOrderMark = false;
    QString unreadable;  // the file that was there but could not be read, never to be replaced
    QByteArray source;   // the file as read, which the rows' bytes are views of

  private:
    Row& mutableRow(int r) { return m_rows[static_cast<size_t>(r)]; }

    bool m_open = false;
    qint64 m_capacity = 10;
    std::array<Row, kRows + 1> m_rows;  // row 0 is the marker row
    QHash<QString, QList<int>> m_byName;
    QHash<QString, QList<int>> m_byKey;
    mutable int m_lastRow = -1;  // -1: to be found again
};

}  // namespace kelvarin
