// SPDX-License-Identifier: MIT
// The fuzz harness of registry.

#include "fuzz/fuzz_common.h"
#include "system/sqlite_registry.h"

namespace kelvarin::fuzz {

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

}  // namespace kelvarin::fuzz
