// SPDX-License-Identifier: MIT
// Registry access: keys created and deleted, text and number values written and read, through
// the registry store the object was handed.

#include "runtime/conversion.h"
#include "runtime/resume_next.h"
#include "runtime/trace.h"
#include "runtime/variant_rules.h"
#include "workout/internal/trace.h"
#include "workout/workout.h"

namespace kelvarin {

namespace reg = platform::reg;

namespace {

// The store's answer, traced when it is not success.
qint32 traced(qint32 status, const char* operation, const QString& detail) {
    if (status != reg::Success)
        rt::traceFailure(lcRegistry(), operation, status, "registry status", detail);
    return status;
}

// Opens sKeyName under lKey with full access; a failed opening leaves the zero handle, with
// which the next call fails in turn.
qint32 openFull(platform::RegistryStore& store, qint32 lKey, const QString& sKeyName,
                const char* operation) {
    qint32 handle = 0;
    traced(store.openKey(lKey, sKeyName, reg::KEY_ALL_ACCESS, handle), operation, sKeyName);
    return handle;
}

}  // namespace

QVariant workOut::REG_CreateNewKey(qint32 lKey, const QString& sNewKeyName) {
    platform::RegistryStore& store = platform::require(m_services.registry);
    qint32 handle = 0;
    traced(store.createKey(lKey, sNewKeyName, reg::KEY_ALL_ACCESS, handle), __func__, sNewKeyName);
    store.closeKey(handle);
    return QVariant();
}

QVariant workOut::REG_DelKey(qint32 lKey, const QString& sKeyName) {
    platform::RegistryStore& store = platform::require(m_services.registry);
    const qint32 handle = openFull(store, lKey, sKeyName, __func__);
    traced(store.deleteKey(lKey, sKeyName), __func__, sKeyName);
    store.closeKey(handle);
    return QVariant();
}

QVariant workOut::REG_DelVal(qint32 lKey, const QString& sKeyName, const QString& sValueName) {
    platform::RegistryStore& store = platform::require(m_services.registry);
    const qint32 handle = openFull(store, lKey, sKeyName, __func__);
    traced(store.deleteValue(handle, sValueName), __func__, sValueName);
    store.closeKey(handle);
    return QVariant();
}

qint32 workOut::REG_SetVal(qint32 hKey, const QString& sValueName, qint32 lType, QVariant& vValue) {
    platform::RegistryStore& store = platform::require(m_services.registry);
    platform::RegistryValue value;
    if (lType == reg::REG_SZ) {
        // The whole text, whatever its script.
        value.type = reg::REG_SZ;
        value.text = rt::textOf(vValue);
        return traced(store.setValue(hKey, sValueName, value), __func__, sValueName);
    }
    if (lType == reg::REG_DWORD) {
        // An empty value becomes the number 0, in the caller's variant too.
        if (rt::compare(vValue, QString()) == 0) vValue = QVariant(qint32(0));
        value.type = reg::REG_DWORD;
        value.number = rt::toLongValue(vValue);
        return traced(store.setValue(hKey, sValueName, value), __func__, sValueName);
    }
    return reg::Success;  // other types are not written
}

QVariant workOut::REG_SetKeyValue(qint32 lKey, const QString& sKeyName, const QString& sValueName,
                                  QVariant vValueSetting, qint32 lValueType) {
    platform::RegistryStore& store = platform::require(m_services.registry);
    const qint32 handle = openFull(store, lKey, sKeyName, __func__);
    REG_SetVal(handle, sValueName, lValueType, vValueSetting);
    store.closeKey(handle);
    return QVariant();
}

QVariant workOut::REG_QueryValue(qint32 lKey, const QString& sKeyName, const QString& sValueName) {
    platform::RegistryStore& store = platform::require(m_services.registry);
    const qint32 handle = openFull(store, lKey, sKeyName, __func__);
    QVariant value;
    REG_QueryValueEx(handle, sValueName, value);
    store.closeKey(handle);
    return value;
}

qint32 workOut::REG_QueryValueEx(qint32 lhKey, const QString& szValueName, QVariant& vValue) {
    rt::ResumeNext rn(lcRegistry(), __func__);
    qint32 status = 0, type = 0, size = 0;
    // The type and size first; a failure leaves the type 0, as for a missing value.
    rn([&] {
        status = platform::require(m_services.registry)
                     .queryValue(lhKey, szValueName, type, size, nullptr);
        if (status != reg::Success) raiseError(err::InvalidArgument);
    });
    if (type == reg::REG_SZ) {
        rn([&] {
            // A buffer of size zero characters, the value read into it: the text and its
            // terminating zero.
            platform::RegistryValue value;
            qint32 again = 0, now = 0;
            status = platform::require(m_services.registry)
                         .queryValue(lhKey, szValueName, again, now, &value);
            if (status == reg::Success && (again != reg::REG_SZ || now > size))
                status = reg::MoreData;
            if (status != reg::Success) {
                vValue = QVariant();
                return;
            }
            QString buffer(size, QChar(u'\0'));
            buffer.replace(0, value.text.size(), value.text);
            vValue = buffer;
        });
    } else if (type == reg::REG_DWORD) {
        rn([&] {
            platform::RegistryValue value;
            qint32 again = 0, now = 0;
            status = platform::require(m_services.registry)
                         .queryValue(lhKey, szValueName, again, now, &value);
            if (status == reg::Success && again != reg::REG_DWORD) status = reg::MoreData;
            if (status == reg::Success) vValue = QVariant(value.number);
        });
    } else {
        status = -1;  // missing, or a type this family does not read
    }
    return traced(status, __func__, szValueName);
}

}  // namespace kelvarin
