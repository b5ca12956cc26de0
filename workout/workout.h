// SPDX-License-Identifier: MIT
#pragma once

// workOut: the program's utility object. Every family of operations has its own source file;
// this class gathers them behind one interface. Parameters that an operation writes back are
// non-const references; all others are taken by value or by const reference.

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

#include "runtime/errors.h"
#include "services/services.h"
#include "workout/surfaces.h"

namespace kelvarin {

class IniStore;
struct LyricStore;

// Arrays of texts and of 32-bit integers are QStringList and QList<qint32>, with index k at
// position k (lower bound 0); an operation that writes a caller's array never writes outside it.
class workOut {
  public:
    // A workOut with the runtime's own random generator and clock and no other service: it
    // reaches no registry, drive table, folder, window or dialog of the machine. Operations that
    // need one of those raise error 91 or behave as documented for a missing service.
    workOut();
    // A workOut on exactly the given services: the program hands in the real ones, tests their
    // doubles.
    explicit workOut(const platform::Services& services);
    ~workOut();
    workOut(workOut&&) noexcept;
    workOut& operator=(workOut&&) noexcept;

    // --- Radix conversion (radix.cpp) ---
    // Reads pStr as digits in base jz (below 10, or 16). wrong reports an unsupported base, a
    // character that is not a hexadecimal digit, or an overflow (the digits read so far are kept).
    qint32 jzToDec(const QString& pStr, qint32 jz, bool& wrong);
    // Inverts a text of binary digits; any other character gives "-1".
    QString XorTwice(const QString& pStr);

    // --- Gradient fill (gradient.cpp) ---
    // Paints a colour gradient of lines, rectangles or circles; returns a bit mask of the
    // phases that failed (1 surface, 2 step count, 4 channel steps, 8 drawing).
    qint32 DrawChange(DrawSurface& Object, qint32 ColorChangeFrom, qint32 ColorChangeTo,
                      qint32 DrawTypeOrRadius, qint32 CircleOrRectangle_FromX,
                      qint32 CircleOrRectangleY, qint32 Rectangle_ToX, qint32 RectangleY,
                      float CircleEffect, qint32 RectangleNumber);

    // --- Shadowed text (shadow_text.cpp) ---
    // Prints Words at (x, y) in ForeColor over a halo of eight copies in BackGround. A colour
    // passed as 0 selects the default (255 red, 0xFFFFFF white) and is written back.
    void printShadow(TextSurface& piC, const QVariant& Words, const QVariant& x, const QVariant& y,
                     QVariant& BackGround, QVariant& ForeColor);

    // --- Substring functions (substrings.cpp) ---
    // Positions are 1-based, a search that finds nothing gives 0, comparisons are exact.
    // The first pLng characters; empty for a negative pLng.
    QString Left(const QString& pStr, qint32 pLng);
    // The last pLng characters; empty when pLng is negative or greater than the length.
    QString Right(const QString& pStr, qint32 pLng);
    // Position of FindStr at or after Start (rounded ties to even at each step).
    float LeftInStr(float Start, const QString& StartStr, const QString& FindStr);
    // Position of FindStr searched from the right; OppositePStr 1 starts at the last character.
    float RightInStr(float OppositePStr, const QString& OppStartStr, const QString& FindStr);
    // Splits pStr at the first CutChar into A and B; returns the empty text.
    QString CutLeftRight(const QString& pStr, const QString& CutChar, QString& A, QString& B);
    // The text between the first Ls and the last Rs; error 5 when they overlap.
    QString GetLRBetween(const QString& pStr, const QString& Ls, const QString& Rs);
    // The text between the first Ls and the first Rs after it; error 5 when they overlap.
    QString GetLLBetween(const QString& pStr, const QString& Ls, const QString& Rs);
    // Removes the stretch from the first opening to the last closing character of
    // DelCharsForTwo, delimiters included, and hands out what was inside in include.
    QString DelCharsBetween(const QString& pStr, QString& include, const QString& DelCharsForTwo);
    // Splits name=value at the first "="; 0 when split, 1 (outputs unchanged) without "=".
    qint32 AChr42BGetLeftRight(const QString& Value, QString& vGetLeft, QString& vGetRight);
    // Wraps a text in "*" wildcards where it lacks them.
    QString AddChr42LR(const QString& siNput);
    // Occurrences of A in B, overlapping ones included.
    qint32 CountAinB(const QString& A, const QString& B);
    // True when a character of EachAStr occurs in BStr.
    bool iFAinB(const QString& EachAStr, const QString& BStr);
    // The fields between successive separators, written to pGet from index 1; error 9 for an
    // index pGet lacks. Doubled separators are deleted from pStr first.
    qint32 GetSTRinChar(QString& pStr, const QString& Char, QStringList& pGet);
    // Each character followed by Num spaces, then trimmed; error 5 for a negative Num.
    QString SpaceChar(const QString& pStr, qint32 Num);
    // The words of pStr written to xArray from index 1, as many as it has places for.
    qint32 SpaceWords(QString& pStr, QStringList& xArray);
    // sStr without the characters of EachChar at either end.
    QString Del_LRChr(const QString& sStr, const QString& EachChar);
    // Latin letters swapped (equal texts), lowered (LCaseStr given) or raised (UCaseStr).
    QString LUCase(const QString& LCaseStr, const QString& UCaseStr);
    // Display width: two for a character written with two bytes in code page 936, else one.
    qint32 LenChineseEnglish(const QString& pStr);
    // A number text turned into a zero pattern of at least lent characters.
    QString replaceFormat(const QString& pStr, qint32 lent);

    // --- File-name functions (file_names.cpp) ---
    // Paths use "\" between folders and "." before the extension; "/" is no separator.
    // The name after the last "\" (KeepExp false), or its extension after the last ".".
    QString MainNameA(const QString& MaInStr, bool KeepExp);
    // The base name without its last "." and what follows (empty for a name without "."), or
    // with KeepExp the extension.
    QString MainNameB(const QString& MaInStr, bool KeepExp);
    // The folder up to and including the last "\"; "\" for a path without one.
    QString MainNameC(const QString& MaInStr, bool KeepExp);
    // The text after the last "." of the whole path (all of it without "."), "." in front when
    // Point is true.
    QString GetMainExp(const QString& MaInStr, bool Point);
    // Removes (Minutes true) or adds (false) the "\" at the end of a folder.
    QString AddPathChr92(const QString& sPath, bool Minutes);
    // Splits the text a program was started with into file names, written to ArrayFiles from
    // index 0; the result counts every name found, also one the array has no place for.
    qint32 GetSubCommandMain(const QString& StrSubMain, QStringList& ArrayFiles);

    // --- Episode numbers (episodes.cpp) ---
    // The episode numbers of a media file name, each followed by ";". pStr is left holding what
    // the candidate scan left of it. Errors 5 (no candidate), 13 (a candidate that is not a
    // number) and 6 (beyond 32 bits) reach the caller.
    QString pGetCartoonNum(QString& pStr);

    // --- Money formatting (money.cpp) ---
    // The number text grouped in thousands: '1234567.89' gives '1,234,567.89'.
    QString FormatMoney(const QString& pStr);

    // --- Text array sort (text_sort.cpp) ---
    // Sorts Arrays(sFrom) to Arrays(sTo) by character code, ascending when UpDownUpTrue. A
    // range that is reversed or not wholly inside the array changes nothing. Always 0.
    qint32 RowHotTime(QStringList& Arrays, qint32 sFrom, qint32 sTo, bool UpDownUpTrue);

    // --- Pointer hit-testing and control grids (pointer_grid.cpp) ---
    // True when the pointer is strictly inside the control Object of the form fo (placed in the
    // form's client area); true as well when a property cannot be read.
    bool iFMouseInObject(const PlacedObject& Object, const FormObject& fo);
    // True when the pointer is strictly inside Object, whose Left and Top are screen positions.
    bool iFMouseInObject2(const PlacedObject& Object);
    // The index of the control in column Col, row Row of a grid of pRow rows per column whose
    // first control has index Start; 0 on overflow.
    qint32 GetColRowControl(qint32 Col, qint32 pRow, qint32 Row, qint32 Start);
    // The column and the row of control Now in a grid of Row rows per column; 0 when Row is 0.
    qint32 GetpColControl(qint32 Now, qint32 Row, qint32 Start);
    qint32 GetpRowControl(qint32 Now, qint32 Row, qint32 Start);

    // --- Numeric and bit-string helpers (numeric.cpp) ---
    // The sum of terms joined by "+" and "-"; pStr is left holding the last term.
    double plusMinus(QString& pStr);
    // A when A > B, else B.
    QVariant Max(const QVariant& A, const QVariant& B);
    // Exclusive-or of two binary texts aligned at their right ends; "-1" for another digit.
    // Both are trimmed, and exchanged when A is the shorter.
    QString XorRunTwice(QString& A, QString& B);
    // A random binary text of pLen digits (at least one), starting with "1" when First1.
    QString RandomTwice(qint32 pLen, bool First1);
    // Binary and octal digits of pGet; "-1" for a negative pGet.
    QString jzTransTwice(qint32 pGet);
    QString jzTransEighth(qint32 pGet);
    // The value of digits 0-9 and A-Z in base DecMax36; -1 on overflow. pGet is trimmed and
    // raised to upper case.
    qint32 DecTrans(QString& pGet, qint32 DecMax36);
    // OppStr reversed.
    QString Opposite(const QString& OppStr);
    // SqrNum to the power of the whole part of SqrTo; 1 below 1; 0 beyond the single range.
    float SqrTen(float SqrNum, float SqrTo);
    void Swap(QVariant& FirstSwap, QVariant& SecondSwap);
    // True when Min < BetweenInt < Max.
    bool Between(float BetweenInt, float Min, float Max);
    // The number's text, with "0" in front of values below 1.
    QString FormatNum(float PoSNum);
    QString IncStr(const QString& FirstStr, const QString& SecOndStr, const QString& ThirdStr);
    // Arrays becomes the powers of two that make up Num, largest first, then zeros (at least
    // eleven entries, grown by ten as needed). The result is always empty.
    QVariant Get_2N_inA(qint32 Num, QList<qint32>& Arrays);
    // True when v2NNum is among the entries Get_2N_inA gives for Num (0 always is).
    bool iF_2N_inA(qint32 v2NNum, qint32 Num);
    // True for "true", False for "false", letter case ignored; otherwise False with wrong = 1.
    bool GetTrueFalse(const QString& TF, qint32& wrong);

    // --- Date helpers (dates.cpp) ---
    // Gregorian leap year; -1 asks about the current year.
    bool iFYunNian(qint32 ThisYear);
    // Seconds of pGet within its year, the day of the month counted in full.
    qint32 DateTransSecend(const QDateTime& pGet);
    // A duration in milliseconds as two digits of minutes and of seconds: '12分34秒'.
    QString LeaveAway(qint32 Number);

    // --- INI store (ini_store.cpp) ---
    // One file at a time in memory. wrong accumulates flags (1 not open, replacing the rest; 2
    // not found or empty Sign when adding; 8 section number below 0; 16 above 99; 32 "[]"; 64
    // empty Sign when looking up, or no free row for a new section).
    // Opens the file into a new table: 0 read; 1 missing (open and empty, to be written as a new
    // file); a file that is there but cannot be read gives its error number (70 no permission,
    // 75 a folder or a failed read, 14 larger than the longest text, 7 out of memory) and an
    // open, empty store that never writes over that file. A named pipe, device or socket is no
    // file (1). Read as UTF-8 when valid throughout, else as GB18030.
    qint32 ini_SetOpenFiles(const QString& sFileName);
    // The value of key Sign in section Title ("" or "*" every section, "[n]" section number n).
    QString ini_GetDatas(const QString& Sign, QString& Title, qint32& wrong);
    // Adds or changes key Sign in section Title ("" is "[0]"), opening a new section when there
    // is none of that name. Always 0.
    qint32 ini_AddOrEditorData(const QString& Sign, const QVariant& Value, QString& Title,
                               qint32& wrong);
    // Writes the table to sPath ("*" the file opened), replacing the file atomically in the
    // encoding it was read with; the rows not changed keep their bytes as read. 0 (also when the
    // file cannot be written, which is traced), 1 not open, 2 no path.
    qint32 ini_WriteToFile(QString& sPath);
    void ini_SetCloseFiles();

    // --- Text helpers (text_helpers.cpp) ---
    // The file's lines joined with CR LF, or "#Err53" when it cannot be read.
    QString LoadText(const QString& sFileName);
    // The last term of the first ","-separated alternative whose ";"-separated terms all occur
    // in CheckStr; "" when none does.
    QString SearchText(QString ReadText, QString CheckStr);
    // The number of lines of the text box (CR LF pairs + 1); 0 when the box cannot be read.
    qint32 TextLenLine(TextBox& pText);
    // Line Line (from 1) of the text box; "" outside the lines or when the box cannot be read.
    QString TextLine(TextBox& pText, qint32 Line);
    // Replaces the selection with pStr and puts the caret after it.
    void Textbox_insert(TextBox& te, const QString& pStr);
    // Replaces the error file (Err.txt in the folder kelvarin of the user's state folder) with
    // the one line Des. Errors 70, 75 and 76 reach the caller. Always 0.
    qint32 PrintErr(const QString& Des);

    // --- Lyric reader (lyrics.cpp) ---
    // Loads an LRC file: 0, or 1 when it cannot be read (the store left empty).
    qint32 LRC_Load(QString sFile);
    // The lyric line current at ReadTime milliseconds; NextTimeLeft becomes its length + 1
    // (0 for the last line). "" and NextTimeLeft unchanged before the first line.
    QString LRC_GetTimeStr(qint32 ReadTime, qint32& NextTimeLeft);
    // The title, artist, album, author of the file and offset tags.
    void LRC_GetContents(QString& vTi, QString& vAr, QString& Val, QString& vBy, QString& vOffset);

    // --- Registry access (registry.cpp) ---
    // Keys are handles: a predefined root (platform/registry.h) or one the store handed out.
    // Sub-keys are opened with full access and closed again before a method returns. Failures
    // of the store are not raised; only REG_SetVal and REG_QueryValueEx report them.
    // Creates (or opens) the sub-key.
    QVariant REG_CreateNewKey(qint32 lKey, const QString& sNewKeyName);
    // Deletes the sub-key, when it has no sub-keys of its own.
    QVariant REG_DelKey(qint32 lKey, const QString& sKeyName);
    QVariant REG_DelVal(qint32 lKey, const QString& sKeyName, const QString& sValueName);
    // Writes a text (lType 1) or a 32-bit number (4; an empty vValue becomes 0, in the caller's
    // variant too); any other type writes nothing. The store's status.
    qint32 REG_SetVal(qint32 hKey, const QString& sValueName, qint32 lType, QVariant& vValue);
    QVariant REG_SetKeyValue(qint32 lKey, const QString& sKeyName, const QString& sValueName,
                             QVariant vValueSetting, qint32 lValueType);
    // The value read, or an empty value.
    QVariant REG_QueryValue(qint32 lKey, const QString& sKeyName, const QString& sValueName);
    // Reads a value into vValue: a text with one zero character at its end, or a number. The
    // store's status, or -1 (vValue left alone) for a missing value or another type.
    qint32 REG_QueryValueEx(qint32 lhKey, const QString& szValueName, QVariant& vValue);

    // --- Files and drives (files_drives.cpp) ---
    // Path texts: "\" between folders, a drive letter and ":" in front of an absolute path (C:
    // is the root file system, the other mounts D: on); plain Linux paths work as well.
    // The digest of the file as upper-case hexadecimal: Algorithm 0x8002 MD4, 0x8003 MD5,
    // 0x8004 SHA-1, 0x800C to 0x800E SHA-256/384/512. Error 53 without such a file (a folder is
    // none); any other algorithm raises 0x80090008.
    QString HashFile(const QString& Filename, qint32 Algorithm);
    // The first existing file of pStr, Mepath & pStr, and that with ".mp3", ".wav", ".wma";
    // "" when none. pStr is left trimmed of spaces.
    QString iFDir(QString& pStr, const QString& Mepath);
    // The name of the folder that holds the last element of the path.
    QString GetMainDir(const QString& pStr);
    // Splits a multi-file selection (folder, then names, separated by zero characters) into
    // pGetX(1), (2), ...; the number of names, also those the array has no place for.
    qint32 GetCommondialogFilename(const QString& CommonName, QStringList& pGetX);
    // A byte count as kibibytes grouped in thousands: '4,882 KB'.
    QString GetFileLenKBMB(qint32 ReadLen);
    // The letters of the drives, in order ('CDE').
    QString ftnShowDriveList();
    // The kind of the drive whose letter Disk begins with: "Unknown Drive", "Removable Drive",
    // "Fixed Drive", "Network Drive", "CD-Rom" or "Ram Disk".
    QString GetDriveTypeIn(const QString& Disk);
    // The letters of the drives of a kind, its first two letters compared ('fi', 'cd');
    // WithOutAB drops what comes up to "B" (or "A").
    QString GetAnyTypeDrives(const QVariant& ReadTypeAs_Unknow_Removable_Fixed_Network_Cd_Ram,
                             bool WithOutAB);
    // The volume serial number of a drive's root; a lone letter gets ":\" (strDrive changes).
    // 0 when there is no such drive.
    qint32 GetSerialVolume(QString& strDrive);

    // --- The desktop (desktop.cpp) ---
    // The first top-level window whose title equals include (pSame) or contains it, letter case
    // ignored: its handle, also kept by the object; empty when none. pClose asks that window to
    // close, as its close box would.
    QVariant iFExist2Exit(const QString& include, bool pSame, bool pClose);
    // The desktop folder as a path text, ending in "\".
    QString GetDESKTOP();
    // The folder the user chooses in a folder dialog titled Title, modal to the window
    // ObjectHwnd, as a path text ending in "\"; "" when cancelled (or without a desktop).
    QString GetShowFolders(qint32 ObjectHwnd, const QString& Title);
    // Copies the existing files of ReadFiles into the folder CopyTo, with progress and a
    // confirmation before replacing a file: 0; 1 for an empty CopyTo, 2 for "\".
    qint32 windowsCopyFile(const QStringList& ReadFiles, const QString& CopyTo);

  private:
    // A path of the file system as a path text of the library's own form ("C:\home\ana\").
    QString pathText(const QString& path) const;
    // A path text as a path of the file system, through the drive table; empty for a drive
    // letter that is not in the table.
    QString filePath(const QString& text) const;

    platform::Services m_services;
    std::unique_ptr<rt::RandomGenerator> m_ownRandom;  // the default's own, or none
    std::unique_ptr<rt::Clock> m_ownClock;
    std::unique_ptr<IniStore> m_ini;
    std::unique_ptr<LyricStore> m_lyrics;
    qint32 m_foundWindow = 0;  // the window iFExist2Exit found last
};

}  // namespace kelvarin
