// SPDX-License-Identifier: MIT
#pragma once

// Reading a fuzz input as the arguments of an operation, and the oracle every harness applies.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "runtime/errors.h"

namespace kelvarin::fuzz {

// The input read from the front: numbers of a fixed size, texts as a length and their code
// units. The first byte decides how texts are given: raw UTF-16 code units (lone surrogates
// included) or UTF-8.
class Input {
  public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {
        m_utf16 = (byte() & 1) != 0;
    }

    bool empty() const { return m_at >= m_size; }

    uint8_t byte() { return m_at < m_size ? m_data[m_at++] : 0; }

    template <class T>
    T number() {
        T value{};
        uint8_t bytes[sizeof(T)] = {};
        for (uint8_t& b : bytes)
            b = byte();
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

    // A small count, below the limit.
    int count(int limit) { return byte() % limit; }

    // A text of at most 255 units (UTF-16) or bytes (UTF-8).
    QString text() {
        const size_t length = byte();
        if (m_utf16) {
            QString t;
            for (size_t k = 0; k < length && !empty(); ++k)
                t += QChar(static_cast<char16_t>(byte() | (byte() << 8)));
            return t;
        }
        const size_t n = std::min(length, m_size - m_at);
        const QString t = QString::fromUtf8(reinterpret_cast<const char*>(m_data + m_at),
                                            static_cast<qsizetype>(n));
        m_at += n;
        return t;
    }

    // Everything that is left, as a text.
    QString rest() {
        QString t;
        if (m_utf16) {
            while (m_at + 1 < m_size)
                t += QChar(static_cast<char16_t>(byte() | (byte() << 8)));
        } else {
            t = QString::fromUtf8(reinterpret_cast<const char*>(m_data + m_at),
                                  static_cast<qsizetype>(m_size - m_at));
            m_at = m_size;
        }
        return t;
    }

    QByteArray restBytes() {
        QByteArray b(reinterpret_cast<const char*>(m_data + m_at),
                     static_cast<qsizetype>(m_size - m_at));
        m_at = m_size;
        return b;
    }

  private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
    bool m_utf16 = false;
};

[[noreturn]] inline void finding(const char* what) {
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

// Runs a call: a run-time error whose number is among the allowed ones is expected; any other
// number, or any other exception, is a finding.
template <class Call>
void allowing(std::initializer_list<int> allowed, Call&& call) {
    try {
        call();
    } catch (const workOutError& e) {
        for (const int n : allowed) {
            if (e.number() == n) return;
        }
        std::fprintf(stderr, "error %d not allowed here\n", e.number());
        std::abort();
    } catch (...) {
        finding("an exception of another type");
    }
}

// An array of a caller's: its size must stay, and nothing may be written outside the indexes
// the operation was given.
inline void sameSize(const QStringList& array, qsizetype size) {
    if (array.size() != size) finding("the caller's array changed its size");
}

}  // namespace kelvarin::fuzz
