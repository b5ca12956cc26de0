// SPDX-License-Identifier: MIT
#pragma once

// Statement-by-statement error skipping: a step that fails is abandoned and the next one runs.
// Every skipped step leaves a trace: a debug line on the caller's logging category naming the
// operation and the error number (silent unless that category's debug output is enabled).

#include <QLoggingCategory>

#include <new>
#include <utility>

#include "runtime/errors.h"
#include "runtime/trace.h"

namespace kelvarin::rt {

// Runs steps with errors skipped: a step that throws is abandoned, the error number is kept
// as pending until cleared, and execution goes on with the next step.
class ResumeNext {
  public:
    // Skipped steps are traced on category as steps of the operation (a name that outlives
    // this object, usually __func__ or a literal).
    ResumeNext(const QLoggingCategory& category, const char* operation)
        : m_category(category), m_operation(operation) {}

    template <class Step>
    bool operator()(Step&& step) noexcept {
        try {
            std::forward<Step>(step)();
            return true;
        } catch (const workOutError& e) {
            skipped(e.number(), e.what());
        } catch (const std::bad_alloc&) {
            skipped(err::OutOfMemory, "out of memory");
        } catch (...) {
            skipped(err::InternalError, "unexpected exception");
        }
        return false;
    }

    bool pending() const { return m_number != 0; }
    int number() const { return m_number; }
    void clear() { m_number = 0; }

  private:
    void skipped(int number, const char* what) noexcept {
        m_number = number;
        traceFailure(m_category, m_operation, number, what);
    }

    const QLoggingCategory& m_category;
    const char* m_operation;
    int m_number = 0;
};

}  // namespace kelvarin::rt
