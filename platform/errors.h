// SPDX-License-Identifier: MIT
#pragma once

// Run-time errors: the error numbers that cross the workOut boundary and the one exception type.

#include <stdexcept>

namespace kelvarin {

// Run-time error numbers that cross the workOut boundary.
namespace err {
inline constexpr int InvalidArgument = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int OutOfStringSpace = 14;
inline constexpr int InternalError = 51;
inline constexpr int FileNotFound = 53;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int ObjectNotSet = 91;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int NotSupported = 438;
}  // namespace err

// The one exception type of the library: a run-time error with its number.
class workOutError : public std::runtime_error {
  public:
    explicit workOutError(int number);
    workOutError(int number, const char* what);
    int number() const { return m_number; }

  private:
    int m_number;
};

[[noreturn]] void raiseError(int number);

}  // namespace kelvarin
