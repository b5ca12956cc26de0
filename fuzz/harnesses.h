// SPDX-License-Identifier: MIT
#pragma once

// The harnesses, one for each parsing operation of the library (fuzz/harnesses.cpp).

#include "fuzz/fuzz_input.h"

namespace kelvarin::fuzz {

int run_jzToDec(Input& in);
int run_XorTwice(Input& in);
int run_Val(Input& in);
int run_plusMinus(Input& in);
int run_DecTrans(Input& in);
int run_XorRunTwice(Input& in);
int run_FormatNum(Input& in);
int run_IncStr(Input& in);
int run_LeftInStr(Input& in);
int run_RightInStr(Input& in);
int run_Between(Input& in);
int run_DelCharsBetween(Input& in);
int run_GetSTRinChar(Input& in);
int run_SpaceWords(Input& in);
int run_CutLeftRight(Input& in);
int run_CountAinB(Input& in);
int run_Del_LRChr(Input& in);
int run_LUCase(Input& in);
int run_LenChineseEnglish(Input& in);
int run_replaceFormat(Input& in);
int run_SpaceChar(Input& in);
int run_variants(Input& in);
int run_dates(Input& in);
int run_fileNames(Input& in);
int run_GetSubCommandMain(Input& in);
int run_pGetCartoonNum(Input& in);
int run_FormatMoney(Input& in);
int run_RowHotTime(Input& in);
int run_ini(Input& in);
int run_lyrics(Input& in);
int run_SearchText(Input& in);
int run_TextLine(Input& in);
int run_pathMapping(Input& in);
int run_mountTable(Input& in);
int run_registry(Input& in);
int run_dialogText(Input& in);

}  // namespace kelvarin::fuzz
