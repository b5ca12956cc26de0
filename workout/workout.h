// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The workOut utility object: ninety operations on texts, numbers, dates, files, INI files,
/// lyric files, a registry-style key store, drives and the desktop.

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

#include "kelvarin_export.h"
#include "runtime/errors.h"
#include "services/services.h"
#include "workout/surfaces.h"

namespace kelvarin {

class IniStore;
struct LyricStore;

/// The utility object: ninety operations, in families (one source file each).
///
/// Construct one with the services it may use (platform::Services), or with none: the default
/// object has its own random generator and clock and reaches no registry, drive table, folder,
/// window or dialog of the machine. An operation that needs a missing service raises error 91
/// (err::ObjectNotSet) or behaves as its description says.
///
/// Conventions every operation keeps:
/// - Parameters an operation writes back are non-const references; all others are taken by
///   value or by const reference.
/// - Arrays of texts and of 32-bit integers are QStringList and QList<qint32>, index k at
///   position k; an operation that writes a caller's array never writes outside it.
/// - Positions in texts count from 1; a search that finds nothing gives 0; comparisons are
///   exact unless a description says otherwise.
/// - Path texts use `\` between folders and a drive letter with `:` in front of an absolute
///   path, as the drive table maps them (`C:` is the root file system); plain Linux paths
///   work as well.
/// - Failing: each operation keeps one of four ways, said under Errors. It raises a
///   workOutError with the error number; or it returns the value it documents for the
///   failure; or it skips the failing step and goes on ("resumes"); or it reports a status.
///   Nothing fails without a trace: skipped steps and statuses are logged on the categories
///   `kelvarin.*` (shown with `QT_LOGGING_RULES="kelvarin.*=true"`). std::bad_alloc never
///   leaves an operation: it becomes error 7.
///
/// One object is not to be used from two threads at once; separate objects are independent.
///
/// The examples with each operation use an object `w`, made with the services the operation
/// needs.
///
/// @sample{workOut}
class KELVARIN_EXPORT workOut {
  public:
    /// An object with the runtime's own random generator and clock and no other service.
    workOut();
    /// An object on exactly the given services.
    /// @param services the services; they must outlive the object, and a null one is one the
    ///        object does without
    explicit workOut(const platform::Services& services);
    ~workOut();
    /// Moves the object, its open INI file and loaded lyrics included.
    workOut(workOut&&) noexcept;
    /// Moves the object, its open INI file and loaded lyrics included.
    /// @return this object
    workOut& operator=(workOut&&) noexcept;

    /// @name Radix conversion
    ///@{

    /// Reads a text of digits in a base.
    /// @param pStr the digits, most significant first; letters a to f (either case) are the
    ///        hexadecimal digits. Below base 10 a digit is not checked against the base, and a
    ///        letter counts as 0.
    /// @param jz the base: below 10, or 16 (10 to 15 and above 16 are not supported)
    /// @param wrong set to true for an unsupported base, a character that is not a
    ///        hexadecimal digit in base 16, or a value beyond 32 bits; else false
    /// @return the value; 0 for an unsupported base or a bad character; for a value beyond
    ///         32 bits, the value of the rightmost digits read before the overflow
    /// @errors None: a failure gives the result documented above.
    /// @sample{jzToDec}
    qint32 jzToDec(const QString& pStr, qint32 jz, bool& wrong);
    /// Inverts a text of binary digits, each "0" becoming "1" and each "1" "0".
    /// @param pStr the digits
    /// @return the inverted digits; "-1" when @p pStr holds another character
    /// @errors None of its own; an error from beneath it is not caught.
    /// @sample{XorTwice}
    QString XorTwice(const QString& pStr);
    ///@}

    /// @name Gradient fill
    ///@{

    /// Paints a colour gradient onto a surface as many one-colour lines, rectangle outlines
    /// or circles, each a little further from the start colour to the end colour. The surface
    /// is set to measure in pixels and is not cleared first.
    /// @param Object the surface
    /// @param ColorChangeFrom the first figure's colour, 0x00BBGGRR (the top byte is ignored)
    /// @param ColorChangeTo the last figure's colour
    /// @param DrawTypeOrRadius the figure: -1 horizontal lines down the area, -2 vertical
    ///        lines across it, -3 and -4 the two diagonal sweeps, -5 concentric rectangles, -6
    ///        and -7 @p RectangleNumber bands of -1 or -2, below -10 @p RectangleNumber nested
    ///        rings of that radius; any other value is the radius of concentric circles
    /// @param CircleOrRectangle_FromX the area's left edge, or the circles' centre
    /// @param CircleOrRectangleY the area's top edge, or the circles' centre
    /// @param Rectangle_ToX the area's right edge; 0 for the surface's width
    /// @param RectangleY the area's bottom edge; 0 for the surface's height
    /// @param CircleEffect circles per pixel of radius, divided by 20
    /// @param RectangleNumber bands or rings
    /// @return a bit mask of the phases that failed, 0 when all went well: 1 preparing the
    ///         surface, 2 the step count, 4 the colour steps, 8 the drawing
    /// @errors None: a failing step is skipped and reported in the result.
    /// @sample{DrawChange}
    qint32 DrawChange(DrawSurface& Object, qint32 ColorChangeFrom, qint32 ColorChangeTo,
                      qint32 DrawTypeOrRadius, qint32 CircleOrRectangle_FromX,
                      qint32 CircleOrRectangleY, qint32 Rectangle_ToX, qint32 RectangleY,
                      float CircleEffect, qint32 RectangleNumber);
    ///@}

    /// @name Shadowed text
    ///@{

    /// Prints a text in bold over a halo: eight copies one unit around it in the background
    /// colour, then the text itself in the foreground colour.
    /// @param piC the surface
    /// @param Words the text (any value with a text form)
    /// @param x the text's left edge, in the surface's units
    /// @param y the text's top edge
    /// @param BackGround the halo's colour; 0 selects 255 (red) and is written back
    /// @param ForeColor the text's colour; 0 selects 0xFFFFFF (white) and is written back
    /// @errors None: a failing step is skipped.
    /// @sample{printShadow}
    void printShadow(TextSurface& piC, const QVariant& Words, const QVariant& x, const QVariant& y,
                     QVariant& BackGround, QVariant& ForeColor);
    ///@}

    /// @name Substring functions
    ///@{

    /// The first characters of a text.
    /// @param pStr the text
    /// @param pLng how many
    /// @return the first @p pLng characters, all of @p pStr when it is shorter, the empty text
    ///         for a negative @p pLng
    /// @errors None: a failing step is skipped.
    /// @sample{Left}
    QString Left(const QString& pStr, qint32 pLng);
    /// The last characters of a text.
    /// @param pStr the text
    /// @param pLng how many
    /// @return the last @p pLng characters; the empty text when @p pLng is negative or greater
    ///         than the length
    /// @errors None: a failing step is skipped.
    /// @sample{Right}
    QString Right(const QString& pStr, qint32 pLng);
    /// Searches a text from a position to the right.
    /// @param Start where the search begins (rounded, halves to even, to a whole position)
    /// @param StartStr the text searched
    /// @param FindStr the text sought
    /// @return the position of the first @p FindStr at or after @p Start; 0 when there is
    ///         none
    /// @errors None: a failing step is skipped.
    /// @sample{LeftInStr}
    float LeftInStr(float Start, const QString& StartStr, const QString& FindStr);
    /// Searches a text from its end to the left.
    /// @param OppositePStr where the search begins, counted from the end: 1 is the last
    ///        character
    /// @param OppStartStr the text searched
    /// @param FindStr the text sought
    /// @return the position (from the left) of the last @p FindStr that begins at or before
    ///         the starting point; 0 when there is none
    /// @errors None: a failing step is skipped.
    /// @sample{RightInStr}
    float RightInStr(float OppositePStr, const QString& OppStartStr, const QString& FindStr);
    /// Splits a text in two at the first separator.
    /// @param pStr the text
    /// @param CutChar the separator
    /// @param A set to the text before the separator; the empty text without one
    /// @param B set to the text after the separator; all of @p pStr without one
    /// @return the empty text
    /// @errors None of its own; an error from beneath it is not caught.
    /// @sample{CutLeftRight}
    QString CutLeftRight(const QString& pStr, const QString& CutChar, QString& A, QString& B);
    /// The text between the first opening and the last closing delimiter.
    /// @param pStr the text
    /// @param Ls the opening delimiter
    /// @param Rs the closing delimiter
    /// @return the text between them; the empty text when either is missing or the closing
    ///         one comes first
    /// @errors Raises 5 when the closing delimiter found begins inside the opening one.
    /// @sample{GetLRBetween}
    QString GetLRBetween(const QString& pStr, const QString& Ls, const QString& Rs);
    /// The text between the first opening delimiter and the first closing one after it.
    /// @param pStr the text
    /// @param Ls the opening delimiter
    /// @param Rs the closing delimiter
    /// @return the text between them; the empty text when either is missing
    /// @errors Raises 5 when the closing delimiter found begins inside the opening one.
    /// @sample{GetLLBetween}
    QString GetLLBetween(const QString& pStr, const QString& Ls, const QString& Rs);
    /// Removes a bracketed stretch: from the first opening to the last closing character,
    /// both delimiters included.
    /// @param pStr the text
    /// @param include set to what was between the delimiters
    /// @param DelCharsForTwo the two delimiters, opening then closing
    /// @return @p pStr without the stretch; unchanged when a delimiter is missing or they are
    ///         reversed; the empty text unless @p DelCharsForTwo has two characters
    /// @errors None: a failing step is skipped.
    /// @sample{DelCharsBetween}
    QString DelCharsBetween(const QString& pStr, QString& include, const QString& DelCharsForTwo);
    /// Splits `name=value` at the first "=".
    /// @param Value the text; the spaces that lead it are not part of the name
    /// @param vGetLeft set to the name
    /// @param vGetRight set to the value
    /// @return 0 when split; 1, both outputs unchanged, without "="
    /// @errors None: a failing step is skipped.
    /// @sample{AChr42BGetLeftRight}
    qint32 AChr42BGetLeftRight(const QString& Value, QString& vGetLeft, QString& vGetRight);
    /// Wraps a text in `*` wildcards where it lacks them.
    /// @param siNput the text
    /// @return the text with a `*` at either end
    /// @errors None: a failing step is skipped.
    /// @sample{AddChr42LR}
    QString AddChr42LR(const QString& siNput);
    /// Counts the occurrences of a text in another, overlapping ones included.
    /// @param A the text sought
    /// @param B the text searched
    /// @return the number of positions where @p A begins in @p B
    /// @errors None: a failing step is skipped.
    /// @sample{CountAinB}
    qint32 CountAinB(const QString& A, const QString& B);
    /// Whether any character of a text occurs in another.
    /// @param EachAStr the characters sought
    /// @param BStr the text searched
    /// @return true when one of them occurs; false for an empty @p EachAStr
    /// @errors None: a failing step is skipped.
    /// @sample{iFAinB}
    bool iFAinB(const QString& EachAStr, const QString& BStr);
    /// The fields between successive separators. Doubled separators are first removed from
    /// @p pStr; a text with a lone separator gets a second one at its end.
    /// @param pStr the text, changed as said
    /// @param Char the separator
    /// @param pGet set from index 1 on to the fields; it must have a place for each
    /// @return the number of fields
    /// @errors Raises 9 for a field @p pGet has no place for.
    /// @sample{GetSTRinChar}
    qint32 GetSTRinChar(QString& pStr, const QString& Char, QStringList& pGet);
    /// Spreads a text out: each character followed by spaces, the whole then trimmed.
    /// @param pStr the text
    /// @param Num the spaces after each character
    /// @return the spread text
    /// @errors Raises 5 for a negative @p Num, 14 when the result would be longer than the
    ///         longest text.
    /// @sample{SpaceChar}
    QString SpaceChar(const QString& pStr, qint32 Num);
    /// The words of a text, separated by spaces.
    /// @param pStr the text; left holding the words the array had no place for
    /// @param xArray set from index 1 on to the words, as many as it has places for
    /// @return the number of words written
    /// @errors None: a failing step is skipped.
    /// @sample{SpaceWords}
    qint32 SpaceWords(QString& pStr, QStringList& xArray);
    /// A text without certain characters at either end.
    /// @param sStr the text
    /// @param EachChar the characters to remove
    /// @return @p sStr without them at its start and its end
    /// @errors None: a failing step is skipped.
    /// @sample{Del_LRChr}
    QString Del_LRChr(const QString& sStr, const QString& EachChar);
    /// Changes the case of Latin letters (A to Z); other characters pass unchanged.
    /// @param LCaseStr a text to lower
    /// @param UCaseStr a text to raise
    /// @return both equal: the text with each letter's case swapped; else @p LCaseStr
    ///         lowered when it is not empty, else @p UCaseStr raised
    /// @errors None: a failing step is skipped.
    /// @sample{LUCase}
    QString LUCase(const QString& LCaseStr, const QString& UCaseStr);
    /// The display width of a text in a fixed-width Chinese font.
    /// @param pStr the text
    /// @return two for each character written with two bytes in code page 936, one for
    ///         each other
    /// @errors None: a failing step is skipped.
    /// @sample{LenChineseEnglish}
    qint32 LenChineseEnglish(const QString& pStr);
    /// A number text turned into a zero pattern for formatting.
    /// @param pStr the number text
    /// @param lent the least width
    /// @return zeros as long as the number (at least @p lent); with a decimal point, zeros
    ///         before and after it
    /// @errors Raises 5 when @p pStr has a decimal point and @p lent is 1; 14 when the result
    ///         would be longer than the longest text.
    /// @sample{replaceFormat}
    QString replaceFormat(const QString& pStr, qint32 lent);
    ///@}

    /// @name File-name functions
    ///@{

    /// The file name of a path, or its extension.
    /// @param MaInStr the path text (`\` between folders)
    /// @param KeepExp false for the name after the last `\`, true for the extension after the
    ///        last "."
    /// @return the name or the extension
    /// @errors None: a failing step is skipped.
    /// @sample{MainNameA}
    QString MainNameA(const QString& MaInStr, bool KeepExp);
    /// The base name of a path without its extension, or the extension.
    /// @param MaInStr the path text
    /// @param KeepExp false for the base name without its last "." and what follows (the
    ///        empty text for a name without "."), true for the extension (the whole name
    ///        without ".")
    /// @return the base name or the extension
    /// @errors None: a failing step is skipped.
    /// @sample{MainNameB}
    QString MainNameB(const QString& MaInStr, bool KeepExp);
    /// The folder of a path.
    /// @param MaInStr the path text
    /// @param KeepExp not used
    /// @return the text up to and including the last `\`; `\` for a path without one
    /// @errors None: a failing step is skipped.
    /// @sample{MainNameC}
    QString MainNameC(const QString& MaInStr, bool KeepExp);
    /// The extension of a path, taken after the last "." of the whole text.
    /// @param MaInStr the path text
    /// @param Point true to put the "." in front
    /// @return the text after the last "."; all of @p MaInStr when it has none
    /// @errors None: a failing step is skipped.
    /// @sample{GetMainExp}
    QString GetMainExp(const QString& MaInStr, bool Point);
    /// Removes or adds the `\` at the end of a folder.
    /// @param sPath the folder's path text
    /// @param Minutes true to remove one `\` at the end, false to add one where it lacks it
    /// @return the path text
    /// @errors None: a failing step is skipped.
    /// @sample{AddPathChr92}
    QString AddPathChr92(const QString& sPath, bool Minutes);
    /// Splits the text a program was started with into file names: names are separated by
    /// spaces, a name in double quotes may hold spaces, and a text that is the name of an
    /// existing file is one name.
    /// @param StrSubMain the text
    /// @param ArrayFiles set from index 0 on to the names, as many as it has places for
    /// @return the number of names found, also those the array had no place for
    /// @errors None: a failing step is skipped.
    /// @sample{GetSubCommandMain}
    qint32 GetSubCommandMain(const QString& StrSubMain, QStringList& ArrayFiles);
    ///@}

    /// @name Episode numbers
    ///@{

    /// The episode numbers in the name of a media file: every run of digits that the name
    /// does not show to be something else (a bit rate, a resolution, a date or time, a codec
    /// or format number, a checksum length).
    /// @param pStr the file name; left holding what the scan for candidates left of it
    /// @return the numbers in decimal, each followed by ";", in the order they occur
    /// @errors Raises 5 when there is no candidate, 13 for a candidate that is not a number,
    ///         6 for one beyond 32 bits.
    /// @sample{pGetCartoonNum}
    QString pGetCartoonNum(QString& pStr);
    ///@}

    /// @name Money formatting
    ///@{

    /// A number text with its whole part grouped in thousands.
    /// @param pStr the number text
    /// @return the text with "," between groups of three digits; the fraction as it was
    /// @errors None: a failing step is skipped.
    /// @sample{FormatMoney}
    QString FormatMoney(const QString& pStr);
    ///@}

    /// @name Text array sort
    ///@{

    /// Sorts part of an array of texts by character code.
    /// @param Arrays the array
    /// @param sFrom the first index sorted
    /// @param sTo the last index sorted
    /// @param UpDownUpTrue true for ascending, false for descending order
    /// @return 0; a range that is reversed or not wholly inside the array changes nothing
    /// @errors None.
    /// @sample{RowHotTime}
    qint32 RowHotTime(QStringList& Arrays, qint32 sFrom, qint32 sTo, bool UpDownUpTrue);
    ///@}

    /// @name Pointer hit-testing and control grids
    ///@{

    /// Whether the mouse pointer is inside a control of a form. Needs the pointer service.
    /// @param Object the control, placed in the form's client area
    /// @param fo the form
    /// @return true when the pointer is strictly inside the control; true as well when a
    ///         place cannot be read
    /// @errors None: a failing step is skipped.
    /// @sample{iFMouseInObject}
    bool iFMouseInObject(const PlacedObject& Object, const FormObject& fo);
    /// Whether the mouse pointer is inside an object placed on the screen. Needs the pointer
    /// service.
    /// @param Object the object, its left and top in twips from the screen's corner
    /// @return true when the pointer is strictly inside it; true as well when a place cannot
    ///         be read
    /// @errors None: a failing step is skipped.
    /// @sample{iFMouseInObject2}
    bool iFMouseInObject2(const PlacedObject& Object);
    /// The index of a control in a grid laid out in columns.
    /// @param Col the column, from 1
    /// @param pRow rows per column
    /// @param Row the row, from 1
    /// @param Start the index of the first control
    /// @return (Col - 1) * pRow + Row + Start - 1; 0 when that leaves 32 bits
    /// @errors None: a failing step is skipped.
    /// @sample{GetColRowControl}
    qint32 GetColRowControl(qint32 Col, qint32 pRow, qint32 Row, qint32 Start);
    /// The column of a control in a grid laid out in columns.
    /// @param Now the control's index
    /// @param Row rows per column
    /// @param Start the index of the first control
    /// @return (Now - Start) / Row rounded towards 0, + 1 (columns count from 1); 0 when
    ///         @p Row is 0
    /// @errors None: a failing step is skipped.
    /// @sample{GetpColControl}
    qint32 GetpColControl(qint32 Now, qint32 Row, qint32 Start);
    /// The row of a control in a grid laid out in columns.
    /// @param Now the control's index
    /// @param Row rows per column
    /// @param Start the index of the first control
    /// @return the remainder of (Now - Start) / Row (with the sign of Now - Start), + 1 (rows
    ///         count from 1); 0 when @p Row is 0
    /// @errors None: a failing step is skipped.
    /// @sample{GetpColControl}
    qint32 GetpRowControl(qint32 Now, qint32 Row, qint32 Start);
    ///@}

    /// @name Numeric and bit-string helpers
    ///@{

    /// Adds up terms joined by "+" and "-".
    /// @param pStr the terms; left holding the last one
    /// @return the sum; a term is read as far as it is a number (`2e2` is 200, `x` 0)
    /// @errors Raises 6 for a sum beyond double precision.
    /// @sample{plusMinus}
    double plusMinus(QString& pStr);
    /// The larger of two values.
    /// @param A a value
    /// @param B another value
    /// @return @p A when A > B, else @p B
    /// @errors Raises 13 when the two cannot be compared.
    /// @sample{Max}
    QVariant Max(const QVariant& A, const QVariant& B);
    /// Exclusive-or of two texts of binary digits aligned at their right ends. Both are
    /// trimmed of spaces first, and exchanged when @p A is the shorter.
    /// @param A binary digits; trimmed (and exchanged) as said
    /// @param B binary digits; trimmed (and exchanged) as said
    /// @return the digits, as long as the longer text; "-1" for a character other than "0"
    ///         and "1"
    /// @errors None of its own; an error from beneath it is not caught.
    /// @sample{XorRunTwice}
    QString XorRunTwice(QString& A, QString& B);
    /// A random text of binary digits, from the random generator service.
    /// @param pLen how many digits (at least one is given)
    /// @param First1 true to begin with "1"
    /// @return the digits
    /// @errors Raises 14 when @p pLen exceeds the longest text, 91 without a random generator.
    /// @sample{RandomTwice}
    QString RandomTwice(qint32 pLen, bool First1);
    /// The binary digits of a number.
    /// @param pGet the number
    /// @return its digits without leading zeros ("0" for 0); "-1" for a negative number
    /// @errors None of its own; an error from beneath it is not caught.
    /// @sample{jzTransTwice}
    QString jzTransTwice(qint32 pGet);
    /// The octal digits of a number.
    /// @param pGet the number
    /// @return its digits without leading zeros ("0" for 0); "-1" for a negative number
    /// @errors None of its own; an error from beneath it is not caught.
    /// @sample{jzTransTwice}
    QString jzTransEighth(qint32 pGet);
    /// Reads digits 0 to 9 and A to Z in a base up to 36.
    /// @param pGet the digits; trimmed of spaces and raised to upper case
    /// @param DecMax36 the base
    /// @return the value; -1 for an overflow or another failure
    /// @errors None: a failure gives -1.
    /// @sample{DecTrans}
    qint32 DecTrans(QString& pGet, qint32 DecMax36);
    /// A text reversed.
    /// @param OppStr the text
    /// @return its characters in reverse order
    /// @errors None: a failing step is skipped.
    /// @sample{Opposite}
    QString Opposite(const QString& OppStr);
    /// A power.
    /// @param SqrNum the base
    /// @param SqrTo the exponent; its fraction is dropped
    /// @return @p SqrNum to the whole part of @p SqrTo; 1 for an exponent below 1; 0 beyond
    ///         the single-precision range
    /// @errors None: a failing step is skipped.
    /// @sample{SqrTen}
    float SqrTen(float SqrNum, float SqrTo);
    /// Exchanges two values.
    /// @param FirstSwap a value, set to the other
    /// @param SecondSwap a value, set to the other
    /// @errors None.
    /// @sample{Swap}
    void Swap(QVariant& FirstSwap, QVariant& SecondSwap);
    /// Whether a number lies strictly between two others.
    /// @param BetweenInt the number
    /// @param Min the lower bound
    /// @param Max the upper bound
    /// @return true when Min < BetweenInt < Max
    /// @errors None.
    /// @sample{Between}
    bool Between(float BetweenInt, float Min, float Max);
    /// A number's text, with "0" in front of values below 1.
    /// @param PoSNum the number
    /// @return the shortest text that reads back as the number, "0" in front below 1
    /// @errors None: a failing step is skipped.
    /// @sample{FormatNum}
    QString FormatNum(float PoSNum);
    /// Three texts joined.
    /// @param FirstStr the first
    /// @param SecOndStr the second
    /// @param ThirdStr the third
    /// @return them joined in this order
    /// @errors None: a failing step is skipped.
    /// @sample{IncStr}
    QString IncStr(const QString& FirstStr, const QString& SecOndStr, const QString& ThirdStr);
    /// The powers of two that make up a number.
    /// @param Num the number
    /// @param Arrays set to the powers, largest first, then zeros: at least eleven entries,
    ///        grown by ten as needed
    /// @return an empty value
    /// @errors None: a failing step is skipped.
    /// @sample{Get_2N_inA}
    QVariant Get_2N_inA(qint32 Num, QList<qint32>& Arrays);
    /// Whether a number is among the powers of two that make up another.
    /// @param v2NNum the power sought
    /// @param Num the number
    /// @return true when @p v2NNum is among the entries Get_2N_inA gives for @p Num (0
    ///         always is)
    /// @errors None: a failing step is skipped.
    /// @sample{iF_2N_inA}
    bool iF_2N_inA(qint32 v2NNum, qint32 Num);
    /// Reads "true" or "false", letter case ignored.
    /// @param TF the text
    /// @param wrong set to 0, or to 1 for any other text
    /// @return the value read; false for any other text
    /// @errors None: an unknown text is reported through @p wrong.
    /// @sample{GetTrueFalse}
    bool GetTrueFalse(const QString& TF, qint32& wrong);
    ///@}

    /// @name Date helpers
    ///@{

    /// Whether a year is a leap year of the Gregorian calendar.
    /// @param ThisYear the year; -1 for the current year of the clock service
    /// @return true for a leap year
    /// @errors Raises 91 for -1 without a clock.
    /// @sample{iFYunNian}
    bool iFYunNian(qint32 ThisYear);
    /// The seconds of a moment counted from the start of its year, the day of the month
    /// counted in full.
    /// @param pGet the moment
    /// @return the seconds
    /// @errors Raises 5 for an invalid moment.
    /// @sample{DateTransSecend}
    qint32 DateTransSecend(const QDateTime& pGet);
    /// A duration as two digits of minutes and two of seconds.
    /// @param Number the duration in milliseconds
    /// @return the text `mm分ss秒`
    /// @errors None: a failing step is skipped.
    /// @sample{LeaveAway}
    QString LeaveAway(qint32 Number);
    ///@}

    /// @name INI store
    /// One INI file at a time, held in memory as a table of rows. The look-ups and changes
    /// accumulate flags in their @p wrong argument: 1 no file open (replacing the rest), 2 not
    /// found (or an empty key when adding), 8 a section number below 0, 16 above 99, 32 a
    /// section named "[]", 64 an empty key when looking up, or no free row for a new section.
    ///@{

    /// Opens an INI file into a new table, closing the one open.
    /// @param sFileName the file's path text
    /// @return 0 read; 1 missing (open and empty, to be written as a new file), also for a
    ///         named pipe, device or socket; for a file that is there but cannot be read its
    ///         error number (70 no permission, 75 a folder or a failed read, 14 larger than
    ///         the longest text, 7 out of memory) with an open, empty table that never writes
    ///         over that file. The file is read as UTF-8 when it is valid throughout, else as
    ///         GB18030.
    /// @errors None: failures are the statuses above.
    /// @sample{ini_SetOpenFiles}
    qint32 ini_SetOpenFiles(const QString& sFileName);
    /// The value of a key.
    /// @param Sign the key
    /// @param Title the section: a name, "*" for every section, `[n]` for section number n;
    ///        "" is set to "*"
    /// @param wrong flags added as described for the store
    /// @return the value; the empty text when not found
    /// @errors None: failures are flags in @p wrong.
    /// @sample{ini_SetOpenFiles}
    QString ini_GetDatas(const QString& Sign, QString& Title, qint32& wrong);
    /// Adds or changes a key, opening a new section when there is none of the name.
    /// @param Sign the key
    /// @param Value the value (any value with a text form)
    /// @param Title the section; "" is `[0]`
    /// @param wrong flags added as described for the store
    /// @return 0
    /// @errors None: failures are flags in @p wrong.
    /// @sample{ini_AddOrEditorData}
    qint32 ini_AddOrEditorData(const QString& Sign, const QVariant& Value, QString& Title,
                               qint32& wrong);
    /// Writes the table to a file, replacing it atomically, in the encoding the file was read
    /// in; the rows not changed keep their bytes as read.
    /// @param sPath the path text; "*" for the file opened
    /// @return 0 (also when the file cannot be written, which is traced); 1 no file open; 2 no
    ///         path
    /// @errors None: failures are the statuses above.
    /// @sample{ini_AddOrEditorData}
    qint32 ini_WriteToFile(QString& sPath);
    /// Closes the file, forgetting the table; a later look-up reports flag 1.
    /// @errors None of its own; an error from beneath it is not caught.
    /// @sample{ini_SetCloseFiles}
    void ini_SetCloseFiles();
    ///@}

    /// @name Text helpers
    ///@{

    /// The lines of a text file.
    /// @param sFileName the file's path text
    /// @return its lines joined with CR LF; `#Err53` when it cannot be read
    /// @errors None: a failure gives `#Err53`.
    /// @sample{LoadText}
    QString LoadText(const QString& sFileName);
    /// Tests a text against alternatives.
    /// @param ReadText alternatives separated by ",", each of terms separated by ";"
    /// @param CheckStr the text tested
    /// @return the last term of the first alternative whose terms all occur in @p CheckStr
    ///         (letter case counts); the empty text when none does
    /// @errors None: a failing step is skipped.
    /// @sample{SearchText}
    QString SearchText(QString ReadText, QString CheckStr);
    /// The number of lines of a text box.
    /// @param pText the text box
    /// @return the CR LF pairs of its text + 1; 0 when the box cannot be read
    /// @errors None: a failure gives 0.
    /// @sample{TextLenLine}
    qint32 TextLenLine(TextBox& pText);
    /// One line of a text box.
    /// @param pText the text box
    /// @param Line the line, from 1
    /// @return the line without its CR LF; the empty text outside the lines or when the box
    ///         cannot be read
    /// @errors None: a failure gives the empty text.
    /// @sample{TextLenLine}
    QString TextLine(TextBox& pText, qint32 Line);
    /// Replaces the selection of a text box and puts the caret after the new text.
    /// @param te the text box
    /// @param pStr the new text
    /// @errors None: a failing step is skipped.
    /// @sample{Textbox_insert}
    void Textbox_insert(TextBox& te, const QString& pStr);
    /// Replaces the error file (`Err.txt` in the folder `kelvarin` of the user's state folder,
    /// from the user folders service) with one line, readable by the user alone.
    /// @param Des the line
    /// @return 0
    /// @errors Raises 70, 75 or 76 when the file cannot be written, 91 without the user
    ///         folders service.
    /// @sample{PrintErr}
    qint32 PrintErr(const QString& Des);
    ///@}

    /// @name Lyric reader
    /// One LRC lyric file at a time: its timed lines sorted by time, and its tags.
    ///@{

    /// Loads a lyric file, replacing the one loaded.
    /// @param sFile the file's path text
    /// @return 0; 1 when it cannot be read (nothing is then loaded)
    /// @errors None: a failure gives 1.
    /// @sample{LRC_Load}
    qint32 LRC_Load(QString sFile);
    /// The lyric line at a moment.
    /// @param ReadTime the moment, in milliseconds from the start
    /// @param NextTimeLeft set to the line's length in milliseconds + 1 (0 for the last line);
    ///        unchanged before the first line
    /// @return the line that started strictly before @p ReadTime and ends strictly after it;
    ///         the empty text when there is none
    /// @errors None.
    /// @sample{LRC_Load}
    QString LRC_GetTimeStr(qint32 ReadTime, qint32& NextTimeLeft);
    /// The tags of the file loaded.
    /// @param vTi set to the title (`[ti:]`)
    /// @param vAr set to the artist (`[ar:]`)
    /// @param Val set to the album (`[al:]`)
    /// @param vBy set to the author of the file (`[by:]`)
    /// @param vOffset set to the offset (`[offset:]`)
    /// @errors None.
    /// @sample{LRC_Load}
    void LRC_GetContents(QString& vTi, QString& vAr, QString& Val, QString& vBy, QString& vOffset);
    ///@}

    /// @name Registry access
    /// Keys of the registry store service, named by handles: a predefined root
    /// (platform::reg::HKEY_CURRENT_USER ...) or a handle the store handed out. Sub-keys are
    /// opened with full access and closed before an operation returns. The store's failures
    /// are not raised; REG_SetVal and REG_QueryValueEx report them as its status.
    ///@{

    /// Creates a sub-key, or opens it when it is there.
    /// @param lKey the key it is under
    /// @param sNewKeyName its path, elements separated by `\`
    /// @return an empty value
    /// @errors Raises 91 without a registry store.
    /// @sample{REG_CreateNewKey}
    QVariant REG_CreateNewKey(qint32 lKey, const QString& sNewKeyName);
    /// Deletes a sub-key with its values, when it has no sub-keys of its own.
    /// @param lKey the key it is under
    /// @param sKeyName its path
    /// @return an empty value
    /// @errors Raises 91 without a registry store.
    /// @sample{REG_DelKey}
    QVariant REG_DelKey(qint32 lKey, const QString& sKeyName);
    /// Deletes a value of a sub-key.
    /// @param lKey the key the sub-key is under
    /// @param sKeyName the sub-key's path ("" for @p lKey itself)
    /// @param sValueName the value's name
    /// @return an empty value
    /// @errors Raises 91 without a registry store.
    /// @sample{REG_DelKey}
    QVariant REG_DelVal(qint32 lKey, const QString& sKeyName, const QString& sValueName);
    /// Writes a value into an open key.
    /// @param hKey the key
    /// @param sValueName the value's name
    /// @param lType 1 (REG_SZ) for a text, 4 (REG_DWORD) for a 32-bit number; any other type
    ///        writes nothing
    /// @param vValue the value; for a number an empty value becomes 0, here too
    /// @return the store's status (platform::reg::Success ...)
    /// @errors Raises 13 for a number that is not one, 6 for one beyond 32 bits, 91 without a
    ///         registry store.
    /// @sample{REG_SetVal}
    qint32 REG_SetVal(qint32 hKey, const QString& sValueName, qint32 lType, QVariant& vValue);
    /// Writes a value into a sub-key, as REG_SetVal does.
    /// @param lKey the key the sub-key is under
    /// @param sKeyName the sub-key's path
    /// @param sValueName the value's name
    /// @param vValueSetting the value
    /// @param lValueType 1 for a text, 4 for a 32-bit number
    /// @return an empty value
    /// @errors Raises 13 for a number that is not one, 6 for one beyond 32 bits, 91 without a
    ///         registry store.
    /// @sample{REG_CreateNewKey}
    QVariant REG_SetKeyValue(qint32 lKey, const QString& sKeyName, const QString& sValueName,
                             QVariant vValueSetting, qint32 lValueType);
    /// Reads a value of a sub-key.
    /// @param lKey the key the sub-key is under
    /// @param sKeyName the sub-key's path
    /// @param sValueName the value's name
    /// @return the text (with its terminating zero character) or the number; an empty value
    ///         when there is none
    /// @errors Raises 91 without a registry store.
    /// @sample{REG_CreateNewKey}
    QVariant REG_QueryValue(qint32 lKey, const QString& sKeyName, const QString& sValueName);
    /// Reads a value of an open key.
    /// @param lhKey the key
    /// @param szValueName the value's name
    /// @param vValue set to the text (with one zero character at its end) or the number
    /// @return the store's status; -1, @p vValue left alone, for a missing value or one of
    ///         another type
    /// @errors Raises 91 without a registry store.
    /// @sample{REG_SetVal}
    qint32 REG_QueryValueEx(qint32 lhKey, const QString& szValueName, QVariant& vValue);
    ///@}

    /// @name Files and drives
    /// Drive letters are those of the drive table service (`C:` is the root file system, the
    /// other mounts `D:` on); without the service only plain paths reach files.
    ///@{

    /// The digest of a file.
    /// @param Filename the file's path text
    /// @param Algorithm 0x8002 MD4, 0x8003 MD5, 0x8004 SHA-1, 0x800C SHA-256, 0x800D SHA-384,
    ///        0x800E SHA-512
    /// @return the digest in upper-case hexadecimal
    /// @errors Raises 53 when there is no such file (a folder is none), 70 when it may not be
    ///         read, 75 when reading fails, 52 or 76 for a path text that names no file,
    ///         0x80090008 for another algorithm.
    /// @sample{HashFile}
    QString HashFile(const QString& Filename, qint32 Algorithm);
    /// Finds a media file by name: the first existing file of @p pStr, @p Mepath followed by
    /// @p pStr, and that with ".mp3", ".wav" or ".wma".
    /// @param pStr the name; trimmed of spaces
    /// @param Mepath the folder's path text, ending in `\`
    /// @return the path text of the file found; the empty text when none is
    /// @errors Raises 52 or 76 for a path text that names no file.
    /// @sample{iFDir}
    QString iFDir(QString& pStr, const QString& Mepath);
    /// The name of the folder that holds the last element of a path.
    /// @param pStr the path text
    /// @return the folder's name
    /// @errors None: a failing step is skipped.
    /// @sample{GetMainDir}
    QString GetMainDir(const QString& pStr);
    /// Splits the answer of a multiple-file selection into file paths.
    /// @param CommonName one path, or a folder then names, separated by zero characters
    /// @param pGetX set from index 1 on to the paths, as many as it has places for
    /// @return the number of paths, also those the array had no place for
    /// @errors None: a failing step is skipped.
    /// @sample{GetCommondialogFilename}
    qint32 GetCommondialogFilename(const QString& CommonName, QStringList& pGetX);
    /// A byte count as kibibytes grouped in thousands.
    /// @param ReadLen the bytes
    /// @return the text, such as `4,882 KB`
    /// @errors None: a failing step is skipped.
    /// @sample{GetFileLenKBMB}
    QString GetFileLenKBMB(qint32 ReadLen);
    /// The letters of the drives, in order.
    /// @return the letters, such as `CDE`; the empty text without a drive table
    /// @errors None: a failing step is skipped.
    /// @sample{ftnShowDriveList}
    QString ftnShowDriveList();
    /// The kind of a drive.
    /// @param Disk a text beginning with the drive's letter
    /// @return "Unknown Drive", "Removable Drive", "Fixed Drive", "Network Drive", "CD-Rom"
    ///         or "Ram Disk"
    /// @errors None: a failing step is skipped.
    /// @sample{ftnShowDriveList}
    QString GetDriveTypeIn(const QString& Disk);
    /// The letters of the drives of a kind.
    /// @param ReadTypeAs_Unknow_Removable_Fixed_Network_Cd_Ram the kind, its first two
    ///        letters compared, letter case ignored: "un", "re", "fi", "ne", "cd" or "ra"
    /// @param WithOutAB true to drop the letters up to B
    /// @return the letters
    /// @errors None: a failing step is skipped.
    /// @sample{ftnShowDriveList}
    QString GetAnyTypeDrives(const QVariant& ReadTypeAs_Unknow_Removable_Fixed_Network_Cd_Ram,
                             bool WithOutAB);
    /// The volume serial number of a drive's root.
    /// @param strDrive the drive's root (`D:\`): a lone letter gets `:\` appended, here too
    /// @return the serial number; 0 when there is no such drive, or @p strDrive names no root
    /// @errors Raises 91 without a drive table.
    /// @sample{ftnShowDriveList}
    qint32 GetSerialVolume(QString& strDrive);
    ///@}

    /// @name The desktop
    ///@{

    /// Finds a top-level window by its title, through the window list service, and can ask it
    /// to close.
    /// @param include the title, or a part of it; letter case ignored
    /// @param pSame true for a title equal to @p include, false for one containing it
    /// @param pClose true to ask the window found to close, as its close box would
    /// @return the window's handle (also kept by the object); an empty value when none, or
    ///         for an empty @p include
    /// @errors Raises 91 without a window list.
    /// @sample{iFExist2Exit}
    QVariant iFExist2Exit(const QString& include, bool pSame, bool pClose);
    /// The desktop folder, from the user folders service.
    /// @return its path text, ending in `\`
    /// @errors None: a failing step is skipped.
    /// @sample{GetDESKTOP}
    QString GetDESKTOP();
    /// Asks the user for a folder, through the dialogs service.
    /// @param ObjectHwnd the handle of the program's window the dialog is modal to
    /// @param Title the dialog's title
    /// @return the folder's path text, ending in `\`; the empty text when cancelled or
    ///         without a dialogs service
    /// @errors None: a failing step is skipped.
    /// @sample{GetShowFolders}
    QString GetShowFolders(qint32 ObjectHwnd, const QString& Title);
    /// Copies files into a folder, showing progress and asking before a file is replaced,
    /// through the dialogs service (without it no file is replaced). Each file is written
    /// atomically; permissions are kept, set-user-ID and the like dropped.
    /// @param ReadFiles the files' path texts; those that do not exist are left out
    /// @param CopyTo the folder's path text
    /// @return 0; 1 for an empty @p CopyTo; 2 for `\`
    /// @errors None: failures are shown through the dialogs service.
    /// @sample{windowsCopyFile}
    qint32 windowsCopyFile(const QStringList& ReadFiles, const QString& CopyTo);
    ///@}

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
