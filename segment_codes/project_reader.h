// SPDX-License-Identifier: MIT
#pragma once

// Inside the project reader: the TOML tree of a project's text, and the reader that checks every
// key of it, its parts in project_reader.cpp (the project, its display, output, animations and
// window) and project_tables.cpp (its tables). toml++ is compiled once, in project.cpp.

#include <toml++/toml.h>

#include <QString>
#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "segment_codes/project.h"

namespace kelvarin::codes::reading {

// The first problem met: where, and what.
struct Problem {
    int line = 0;
    QString key;
    QString what;
};

inline QString text(const toml::key& k) {
    return QString::fromUtf8(k.str().data(), static_cast<qsizetype>(k.str().size()));
}

inline int lineOf(const toml::node& n) {
    return static_cast<int>(n.source().begin.line);
}

// The TOML tree of a project's text, or nothing with the error readProject gives.
std::optional<toml::table> parseProject(const QString& text, const QString& file, QString* error);

class ProjectReader {
  public:
    explicit ProjectReader(Project& p) : m_project(p) {}

    std::optional<Problem> problem;

    bool fail(int line, const QString& key, const QString& what) {
        if (!problem) problem = Problem{line, key, what};
        return false;
    }

    // The keys of a table, each one of the allowed.
    bool onlyKeys(const toml::table& t, const QString& where,
                  std::initializer_list<std::string_view> allowed) {
        for (auto&& [k, v] : t) {
            if (std::find(allowed.begin(), allowed.end(), k.str()) != allowed.end()) continue;
            QStringList names;
            for (const std::string_view a : allowed)
                names << QString::fromLatin1(a.data(), static_cast<qsizetype>(a.size()));
            return fail(static_cast<int>(k.source().begin.line), where + text(k),
                        QStringLiteral("unknown key (the keys here are %1)")
                            .arg(names.join(QStringLiteral(", "))));
        }
        return true;
    }

    std::optional<QString> string(const toml::table& t, const char* key, const QString& where) {
        const toml::node* n = t.get(key);
        if (n == nullptr) return QString();
        if (!n->is_string()) {
            fail(lineOf(*n), where + QLatin1StringView(key),
                 QStringLiteral("give a text in quotes"));
            return std::nullopt;
        }
        const std::string& s = n->as_string()->get();
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    }

    std::optional<bool> flag(const toml::table& t, const char* key, const QString& where,
                             bool fallback) {
        const toml::node* n = t.get(key);
        if (n == nullptr) return fallback;
        if (!n->is_boolean()) {
            fail(lineOf(*n), where + QLatin1StringView(key), QStringLiteral("give true or false"));
            return std::nullopt;
        }
        return n->as_boolean()->get();
    }

    std::optional<qint64> integer(const toml::table& t, const char* key, const QString& where,
                                  qint64 fallback, qint64 low, qint64 high) {
        const toml::node* n = t.get(key);
        if (n == nullptr) return fallback;
        if (!n->is_integer() || n->as_integer()->get() < low || n->as_integer()->get() > high) {
            fail(lineOf(*n), where + QLatin1StringView(key),
                 QStringLiteral("give a whole number from %1 to %2").arg(low).arg(high));
            return std::nullopt;
        }
        return n->as_integer()->get();
    }

    bool read(const toml::table& root);
    bool readWindow(const toml::table& root);
    bool readAnimations(const toml::table& root);
    // An animation of drawn frames: segments (one list a frame, one text a digit), delays (one
    // a frame) or the one delay, labels (one a frame) or none.
    bool readDrawnAnimation(const toml::table& t, const QString& at, int digits, qint64 delay);
    const toml::table* section(const toml::table& root, const char* key);
    bool readDisplay(const toml::table& root);
    bool readOutput(const toml::table& root);
    bool readTables(const toml::table& root);
    std::optional<Table> textOf(const toml::table& t, const QString& at);
    std::optional<Table> entriesOf(const toml::node& n, const QString& at);

  private:
    Project& m_project;
};

}  // namespace kelvarin::codes::reading
