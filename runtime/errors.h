// SPDX-License-Identifier: MIT
#pragma once

// Run-time errors: the error numbers that cross the workOut boundary, the one exception type,
// and the trace that every swallowed failure leaves.
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
// is silent by default and shown with QT_LOGGING_RULES="kelvarin.*=true".
//
// std::bad_alloc never leaves the library: it becomes error 7 where it is caught.

#include <QtGlobal>

#include <stdexcept>

class QLoggingCategory;
class QString;

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
inline constexpr int BadFileName = 52;
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

// Writes the trace of a failure that does not reach the caller as an error: "operation: error
// number (what)", and the detail (a file name, a key) when there is one, at debug level on the
// category. Never throws.
void traceFailure(const QLoggingCategory& category, const char* operation, int number,
                  const char* what = nullptr) noexcept;
void traceFailure(const QLoggingCategory& category, const char* operation, int number,
                  const char* what, const QString& detail) noexcept;

}  // namespace kelvarin
