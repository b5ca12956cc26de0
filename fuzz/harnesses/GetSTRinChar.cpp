// SPDX-License-Identifier: MIT
// The fuzz harness of GetSTRinChar.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

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

}  // namespace kelvarin::fuzz
