// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The registry: keys in a tree under predefined roots, each key holding named values of a type.
/// The store answers with the registry's own status codes and hands out 32-bit key handles.

#include <QByteArray>
#include <QString>

#include <algorithm>

#include "kelvarin_export.h"

namespace kelvarin::platform {

namespace reg {
inline constexpr qint32 HKEY_CLASSES_ROOT = qint32(0x80000000);    ///< root: file types
inline constexpr qint32 HKEY_CURRENT_USER = qint32(0x80000001);    ///< root: the user's own
inline constexpr qint32 HKEY_LOCAL_MACHINE = qint32(0x80000002);   ///< root: the machine's
inline constexpr qint32 HKEY_USERS = qint32(0x80000003);           ///< root: every user's
inline constexpr qint32 HKEY_CURRENT_CONFIG = qint32(0x80000005);  ///< root: the hardware's

inline constexpr qint32 Success = 0;             ///< status: done
inline constexpr qint32 FileNotFound = 2;        ///< status: no such key or value
inline constexpr qint32 AccessDenied = 5;        ///< status: not allowed (a key with sub-keys)
inline constexpr qint32 InvalidHandle = 6;       ///< status: not a key handle
inline constexpr qint32 InvalidParameter = 87;   ///< status: a bad name or value
inline constexpr qint32 Busy = 170;              ///< status: the store is in use elsewhere
inline constexpr qint32 MoreData = 234;          ///< status: the value does not fit
inline constexpr qint32 DiskFull = 112;          ///< status: the disk is full
inline constexpr qint32 BadDatabase = 1009;      ///< status: the store's file is not one
inline constexpr qint32 ReadWriteFailed = 1016;  ///< status: the store could not be read or written
inline constexpr qint32 KeyDeleted = 1018;       ///< status: the key was deleted

inline constexpr qint32 REG_NONE = 0;   ///< value type: bytes
inline constexpr qint32 REG_SZ = 1;     ///< value type: a text
inline constexpr qint32 REG_DWORD = 4;  ///< value type: a 32-bit number

inline constexpr qint32 KEY_QUERY_VALUE = 0x1;     ///< access: read values
inline constexpr qint32 KEY_SET_VALUE = 0x2;       ///< access: write values
inline constexpr qint32 KEY_CREATE_SUB_KEY = 0x4;  ///< access: create sub-keys
inline constexpr qint32 KEY_ALL_ACCESS = 0x3F;     ///< access: everything

inline constexpr qsizetype kLongestKeyName = 255;      ///< characters of a key name element
inline constexpr qsizetype kLongestValueName = 16383;  ///< characters of a value name
}  // namespace reg

/// A value: a text (REG_SZ), a 32-bit number (REG_DWORD) or bytes of another type.
struct RegistryValue {
    qint32 type = reg::REG_NONE;  ///< its type
    QString text;                 ///< a text's characters
    qint32 number = 0;            ///< a number
    QByteArray bytes;             ///< the bytes of another type

    /// The size the registry reports.
    /// @return a text's characters and its terminating zero, 4 for a number, the bytes of
    ///         anything else
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

/// The registry store, for the registry operations of workOut. Every method answers with a
/// status (reg::Success, reg::FileNotFound ...).
class KELVARIN_EXPORT RegistryStore {
  public:
    virtual ~RegistryStore() = default;
    /// Creates a sub-key, or opens it when it is there.
    /// @param key the key it is under (a root or a handle)
    /// @param subKey its path, elements separated by `\`
    /// @param access the access rights of the handle (reg::KEY_ALL_ACCESS ...)
    /// @param result set to the new handle
    /// @return the status
    virtual qint32 createKey(qint32 key, const QString& subKey, qint32 access, qint32& result) = 0;
    /// Opens an existing sub-key.
    /// @param key the key it is under
    /// @param subKey its path; "" opens @p key itself again
    /// @param access the access rights of the handle
    /// @param result set to the new handle
    /// @return the status
    virtual qint32 openKey(qint32 key, const QString& subKey, qint32 access, qint32& result) = 0;
    /// Reads a value.
    /// @param key the key
    /// @param name the value's name
    /// @param type set to its type
    /// @param size set to its size (RegistryValue::size)
    /// @param data when not null, set to the value
    /// @return the status; reg::FileNotFound for a missing value
    virtual qint32 queryValue(qint32 key, const QString& name, qint32& type, qint32& size,
                              RegistryValue* data) = 0;
    /// Writes a value, replacing one of the name.
    /// @param key the key
    /// @param name the value's name
    /// @param value the value
    /// @return the status
    virtual qint32 setValue(qint32 key, const QString& name, const RegistryValue& value) = 0;
    /// Deletes a sub-key with its values.
    /// @param key the key it is under
    /// @param subKey its path; "" for @p key itself
    /// @return the status; reg::AccessDenied when it has sub-keys of its own
    virtual qint32 deleteKey(qint32 key, const QString& subKey) = 0;
    /// Deletes a value.
    /// @param key the key
    /// @param name the value's name
    /// @return the status
    virtual qint32 deleteValue(qint32 key, const QString& name) = 0;
    /// Closes a handle.
    /// @param key the handle
    /// @return the status
    virtual qint32 closeKey(qint32 key) = 0;
};

}  // namespace kelvarin::platform
