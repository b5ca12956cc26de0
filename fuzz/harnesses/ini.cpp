// SPDX-License-Identifier: MIT
// The fuzz harness of ini.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

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

}  // namespace kelvarin::fuzz
