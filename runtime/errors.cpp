// SPDX-License-Identifier: MIT
// Run-time errors: the message of each error number and the exception that carries it.

#include "runtime/errors.h"

#include "runtime/trace.h"

#include <QLoggingCategory>
#include <QString>

namespace kelvarin {

namespace {
const char* messageFor(int number) {
    switch (number) {
        case err::InvalidArgument:
            return "Invalid procedure call or argument";
        case err::Overflow:
            return "Overflow";
        case err::OutOfMemory:
            return "Out of memory";
        case err::SubscriptOutOfRange:
            return "Subscript out of range";
        case err::DivisionByZero:
            return "Division by zero";
        case err::OutOfStringSpace:
            return "Out of string space";
        case err::TypeMismatch:
            return "Type mismatch";
        case err::BadFileName:
            return "Bad file name or number";
        case err::FileNotFound:
            return "File not found";
        case err::PermissionDenied:
            return "Permission denied";
        case err::PathFileAccessError:
            return "Path/File access error";
        case err::PathNotFound:
            return "Path not found";
        case err::ObjectNotSet:
            return "Object variable not set";
        case err::InvalidPropertyValue:
            return "Invalid property value";
        case err::NotSupported:
            return "Object doesn't support this property or method";
        default:
            return "Application-defined or object-defined error";
    }
}
}  // namespace

workOutError::workOutError(int number) : std::runtime_error(messageFor(number)), m_number(number) {}

workOutError::workOutError(int number, const char* what)
    : std::runtime_error(what), m_number(number) {}

void raiseError(int number) {
    throw workOutError(number);
}

namespace rt {

void traceFailure(const QLoggingCategory& category, const char* operation, int number,
                  const char* what) noexcept {
    traceFailure(category, operation, number, what, QString());
}

void traceFailure(const QLoggingCategory& category, const char* operation, int number,
                  const char* what, const QString& detail) noexcept {
    if (!category.isDebugEnabled()) return;
    try {
        const char* reason = what != nullptr ? what : messageFor(number);
        if (detail.isEmpty()) {
            qCDebug(category, "%s: error %d (%s)", operation, number, reason);
        } else {
            qCDebug(category, "%s: error %d (%s): %s", operation, number, reason,
                    qUtf8Printable(detail));
        }
    } catch (...) {
        // A trace that cannot be written is dropped; the failure itself is already handled.
    }
}

}  // namespace rt

}  // namespace kelvarin
