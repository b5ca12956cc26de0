// SPDX-License-Identifier: MIT
// Text helpers: a text file read whole, search terms matched against a text, the lines of a text
// box counted and taken, text inserted at a text box's caret, and the error file.

#include <algorithm>
#include <limits>

#include "runtime/conversion.h"
#include "runtime/resume_next.h"
#include "runtime/text_files.h"
#include "runtime/trace.h"
#include "workout/internal/trace.h"
#include "workout/workout.h"

namespace kelvarin {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

QString workOut::LoadText(const QString& sFileName) {
    rt::TextFile file;
    bool crLfOnly = false;
    try {
        const QByteArray bytes = rt::readFile(filePath(sFileName));
        file = rt::decodeText(bytes);
        // In UTF-8 each CR and LF byte is that character of the text: the line ends are looked
        // at in the bytes, half the memory. A text decoded otherwise is looked at itself.
        crLfOnly = file.encoding == rt::TextEncoding::Utf8
                       ? rt::onlyCrLfLineEnds(QByteArrayView(bytes))
                       : rt::onlyCrLfLineEnds(QStringView(file.text));
    } catch (const workOutError& e) {
        rt::traceFailure(lcText(), __func__, e.number(), e.what(), sFileName);
        return QStringLiteral("#Err53");
    }
    // The lines joined with CR LF: every line end becomes CR LF, and the last one is dropped.
    QString& in = file.text;
    const QStringView view(in);
    // Most files end every line with CR LF already: then only the last line end goes.
    if (crLfOnly) {
        if (in.endsWith(kCrLf)) in.chop(2);
        return in;
    }
    QString out;
    out.reserve(in.size() + in.size() / 16);
    bool first = true;
    rt::forEachLine(view, [&](QStringView line) {
        if (!first) out += kCrLf;
        first = false;
        out += line;
    });
    return out;
}

QString workOut::SearchText(QString ReadText, QString CheckStr) {
    // Alternatives separated by ",", each of terms separated by ";": the last term of the first
    // alternative whose every term occurs in CheckStr. An empty term always occurs.
    ReadText += u',';
    qsizetype altStart = 0;
    for (;;) {
        const qsizetype comma = ReadText.indexOf(u',', altStart);
        if (comma < 0) break;
        const QStringView alternative = QStringView(ReadText).mid(altStart, comma - altStart);
        altStart = comma + 1;
        bool all = true;
        QStringView last;
        qsizetype termStart = 0;
        for (;;) {
            const qsizetype semicolon = alternative.indexOf(u';', termStart);
            last = semicolon < 0 ? alternative.mid(termStart)
                                 : alternative.mid(termStart, semicolon - termStart);
            if (!last.isEmpty() && !CheckStr.contains(last)) {
                all = false;
                break;
            }
            if (semicolon < 0) break;
            termStart = semicolon + 1;
        }
        if (all) return last.toString();
    }
    return QString();
}

qint32 workOut::TextLenLine(TextBox& pText) {
    try {
        return static_cast<qint32>(
            std::min<qsizetype>(pText.text().count(kCrLf) + 1, std::numeric_limits<qint32>::max()));
    } catch (const workOutError& e) {
        rt::traceFailure(lcText(), __func__, e.number(), e.what());
        return 0;
    }
}

QString workOut::TextLine(TextBox& pText, qint32 Line) {
    try {
        if (Line < 1) return QString();
        const QString text = pText.text();
        // The start of line Line: just after the (Line - 1)-th CR LF.
        qsizetype start = 0;
        for (qint32 k = 1; k < Line; ++k) {
            const qsizetype pair = text.indexOf(kCrLf, start);
            if (pair < 0) return QString();  // past the last line
            start = pair + 2;
        }
        const qsizetype end = text.indexOf(kCrLf, start);
        return end < 0 ? text.mid(start) : text.mid(start, end - start);
    } catch (const workOutError& e) {
        rt::traceFailure(lcText(), __func__, e.number(), e.what());
        return QString();
    }
}

void workOut::Textbox_insert(TextBox& te, const QString& pStr) {
    rt::ResumeNext rn(lcText(), __func__);
    qint32 s = 0;
    rn([&] { s = te.selStart(); });
    rn([&] {
        const QString text = te.text();
        const qint32 start = te.selStart();
        const qint64 rest = static_cast<qint64>(start) + te.selLength();
        if (start < 0 || rest < 0) raiseError(err::InvalidArgument);
        te.setText(text.left(start) + pStr +
                   text.mid(static_cast<qsizetype>(std::min<qint64>(rest, text.size()))));
    });
    rn([&] { te.setSelStart(rt::add(s, static_cast<qint32>(pStr.size()))); });
}

qint32 workOut::PrintErr(const QString& Des) {
    const QString folder =
        platform::require(m_services.folders).stateHome() + QStringLiteral("/kelvarin");
    rt::createFolders(folder);
    // The user's alone, whatever the umask.
    rt::writeFileAtomically(folder + QStringLiteral("/Err.txt"), (Des + kCrLf).toUtf8(),
                            {0600, true});
    return 0;
}

}  // namespace kelvarin
