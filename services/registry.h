// SPDX-License-Identifier: MIT
#pragma once

// The registry: keys in a tree under predefined roots, each key holding named values of a type.
// The store answers with the registry's own status codes and hands out 32-bit key handles.

#include <QByteArray>
#include <QString>

#include <algorithm>

namespace kelvarin::platform {

namespace reg {
// The predefined roots, as signed 32-bit handles.
inline constexpr qint32 HKEY_CLASSES_ROOT = qint32(0x80000000);
inline constexpr qint32 HKEY_CURRENT_USER = qint32(0x80000001);
inline constexpr qint32 HKEY_LOCAL_MACHINE = qint32(0x80000002);
inline constexpr qint32 HKEY_USERS = qint32(0x80000003);
inline constexpr qint32 HKEY_CURRENT_CONFIG = qint32(0x80000005);

// Status codes.
inline constexpr qint32 Success = 0;
inline constexpr qint32 FileNotFound = 2;
inline constexpr qint32 AccessDenied = 5;
inline constexpr qint32 InvalidHandle = 6;
inline constexpr qint32 InvalidParameter = 87;
inline constexpr qint32 Busy = 170;
inline constexpr qint32 MoreData = 234;
inline constexpr qint32 BadDatabase = 1009;
inline constexpr qint32 KeyDeleted = 1018;

// Value types.
inline constexpr qint32 REG_NONE = 0;
inline constexpr qint32 REG_SZ = 1;
inline constexpr qint32 REG_DWORD = 4;

// Access rights of a key handle.
inline constexpr qint32 KEY_QUERY_VALUE = 0x1;
inline constexpr qint32 KEY_SET_VALUE = 0x2;
inline constexpr qint32 KEY_CREATE_SUB_KEY = 0x4;
inline constexpr qint32 KEY_ALL_ACCESS = 0x3F;

// The longest key name element and value name, in characters.
inline constexpr qsizetype kLongestKeyName = 255;
inline constexpr qsizetype kLongestValueName = 16383;
}  // namespace reg

// A value: a text (REG_SZ), a 32-bit number (REG_DWORD) or bytes of another type.
struct RegistryValue {
    qint32 type = reg::REG_NONE;
    QString text;
    qint32 number = 0;
    QByteArray bytes;

    // The size the registry reports: a text's characters and its terminating zero, 4 for a
    // number, the bytes of anything else.
    qint32 size() const {
        switch (type) {
            case reg::REG_SZ:
                return static_cast<qint32>(std::min<qsizetype>(text.size() + 1, 0x7FFFFFFF));
            case reg::REG_DWORD:
                return 4;
            default:
                return static_cast<qint32>(bytes.size());
        }
    }
};

class RegistryStore {
  public:
    virtual ~RegistryStore() = default;
    // Creates the sub-key path (elements separated by "\") under key, or opens it when it is
    // there, and hands out a handle with the access rights.
    virtual qint32 createKey(qint32 key, const QString& subKey, qint32 access, qint32& result) = 0;
    // Opens an existing sub-key path ("" opens key itself again).
    virtual qint32 openKey(qint32 key, const QString& subKey, qint32 access, qint32& result) = 0;
    // The value's type and size, and with data its contents. A missing value is status 2.
    virtual qint32 queryValue(qint32 key, const QString& name, qint32& type, qint32& size,
                              RegistryValue* data) = 0;
    virtual qint32 setValue(qint32 key, const QString& name, const RegistryValue& value) = 0;
    // Deletes the sub-key (key itself for ""), which must have no sub-keys of its own (else
    // status 5), with its values.
    virtual qint32 deleteKey(qint32 key, const QString& subKey) = 0;
    virtual qint32 deleteValue(qint32 key, const QString& name) = 0;
    virtual qint32 closeKey(qint32 key) = 0;
};

}  // namespace kelvarin::platform
