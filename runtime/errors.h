// SPDX-License-Identifier: MIT
#pragma once

// Run-time errors: the error numbers that cross the workOut boundary and the one exception type.
// (The trace that every swallowed failure leaves is in runtime/trace.h.)
//
// The error policy. Each operation of the library keeps one of four ways of failing, chosen by
// what its callers have always relied on; a new operation takes the way of its family.
//
// 1. Raise. The failure leaves the operation as a workOutError carrying the runtime's legacy
//    error number (5 invalid argument, 6 overflow, 7 out of memory, 9 subscript, 13 type
//    mismatch, 14 out of string space, 52 bad file name, 53 file not found, 70 permission
//    denied, 75 path/file access, 76 path not found, 91 object not set). Operations whose
//    result has no value that could mean "failed" raise: the strict conversions and bit
//    strings (XorTwice, XorRunTwice, RandomTwice, jzTransTwice, jzTransEighth, Max,
//    plusMinus), the dates (iFYunNian, DateTransSecend), the strict substring helpers
//    (replaceFormat, GetLRBetween, GetLLBetween, SpaceChar, CutLeftRight, GetSTRinChar), the
//    file and window look-ups (PrintErr, iFDir, HashFile, GetSerialVolume, iFExist2Exit),
//    ini_SetCloseFiles and the registry's key and value methods (REG_CreateNewKey, REG_DelKey,
//    REG_DelVal, REG_SetVal, REG_SetKeyValue, REG_QueryValue), which raise only for a missing
//    service (91) and report the store's own answer as a status.
// 2. Error exit. The operation catches its own error and returns the value it documents for it:
//    jzToDec (the digits read so far), DecTrans (-1), pGetCartoonNum (raises 5, 13 or 6 after
//    its scan), TextLenLine (0) and TextLine ("").
// 3. Resume. A failing step is skipped (rt::ResumeNext) and the operation goes on with what it
//    has; the result is whatever was computed. Drawing (DrawChange, printShadow), most string,
//    file-name, number and drive helpers, and every handler of both windows resume: the windows
//    must never stop or show an error, and their callers compare results, not errors.
// 4. Status. Failure is a documented result or an in/out flag, never an error: the INI store
//    (the wrong flags, ini_SetOpenFiles 1, ini_WriteToFile 0/1/2), LoadText ("#Err53"),
//    LRC_Load (1), REG_QueryValueEx and REG_SetVal (the store's status), windowsCopyFile (0, 1,
//    2) and the services' own answers (registry status codes, a window not closed).
//
// Whatever the way, nothing fails without a trace: every step that ResumeNext skips, every error
// that an operation turns into a status, and every status a service returns that is not
// success is written with traceFailure on the logging category of its family (kelvarin.ini,
// kelvarin.registry, ...) at debug level, naming the operation and the error number. The trace
// is silent by default and shown with QT_LOGGING_RULES="kelvarin.*=true" (runtime/trace.h).
//
// std::bad_alloc never leaves the library: it becomes error 7 where it is caught.

#include <QtGlobal>

#include <stdexcept>

#include "kelvarin_export.h"

/// @file
/// The error numbers of the library and its one exception type.

namespace kelvarin {

/// The run-time error numbers that workOutError carries.
namespace err {
inline constexpr int InvalidArgument = 5;         ///< an argument out of its range
inline constexpr int Overflow = 6;                ///< a value beyond its type's range
inline constexpr int OutOfMemory = 7;             ///< memory ran out
inline constexpr int SubscriptOutOfRange = 9;     ///< an index an array does not have
inline constexpr int DivisionByZero = 11;         ///< a division by zero
inline constexpr int TypeMismatch = 13;           ///< a value that is not of the type needed
inline constexpr int OutOfStringSpace = 14;       ///< a text longer than the longest text
inline constexpr int InternalError = 51;          ///< a failure of the library itself
inline constexpr int BadFileName = 52;            ///< a path text that cannot name a file
inline constexpr int FileNotFound = 53;           ///< no such file
inline constexpr int PermissionDenied = 70;       ///< the file may not be read or written
inline constexpr int PathFileAccessError = 75;    ///< a folder, or a failed read or write
inline constexpr int PathNotFound = 76;           ///< no such folder or drive
inline constexpr int ObjectNotSet = 91;           ///< a service or object that is not there
inline constexpr int InvalidPropertyValue = 380;  ///< a property set to a value it refuses
inline constexpr int NotSupported = 438;          ///< an object without the member asked for
}  // namespace err

/// The one exception type of the library: a run-time error with its number (one of err).
///
/// @sample{workOutError}
class KELVARIN_EXPORT workOutError : public std::runtime_error {
  public:
    /// An error with its number; what() names the number.
    /// @param number the error number
    explicit workOutError(int number);
    /// An error with its number and a description.
    /// @param number the error number
    /// @param what the description
    workOutError(int number, const char* what);
    /// @return the error number
    int number() const { return m_number; }

  private:
    int m_number;
};

/// Throws workOutError with the number.
/// @param number the error number
[[noreturn]] KELVARIN_EXPORT void raiseError(int number);

}  // namespace kelvarin
