// SPDX-License-Identifier: MIT
#pragma once

// The trace of failures that do not reach the caller as an error (the error policy of
// runtime/errors.h): a debug line on the family's logging category.

class QLoggingCategory;
class QString;

namespace kelvarin::rt {

// Writes the trace of a failure that does not reach the caller as an error: "operation: error
// number (what)", and the detail (a file name, a key) when there is one, at debug level on the
// category. Never throws.
void traceFailure(const QLoggingCategory& category, const char* operation, int number,
                  const char* what = nullptr) noexcept;
void traceFailure(const QLoggingCategory& category, const char* operation, int number,
                  const char* what, const QString& detail) noexcept;

}  // namespace kelvarin::rt
