// SPDX-License-Identifier: MIT
#pragma once

// Statement-by-statement error skipping: a step that fails is abandoned and the next one runs.

#include <new>
#include <utility>

#include "platform/errors.h"

namespace kelvarin::rt {

// Runs steps with errors skipped: a step that throws is abandoned, the error number is kept
// as pending until cleared, and execution goes on with the next step.
class ResumeNext {
  public:
    template <class Step>
    bool operator()(Step&& step) noexcept {
        try {
            std::forward<Step>(step)();
            return true;
        } catch (const workOutError& e) {
            m_number = e.number();
        } catch (const std::bad_alloc&) {
            m_number = err::OutOfMemory;
        } catch (...) {
            m_number = err::InternalError;
        }
        return false;
    }

    bool pending() const { return m_number != 0; }
    int number() const { return m_number; }
    void clear() { m_number = 0; }

  private:
    int m_number = 0;
};

}  // namespace kelvarin::rt
