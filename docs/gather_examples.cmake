# SPDX-License-Identifier: MIT
# Writes the files of SOURCES (a ;-list) one after another to OUTPUT: the operations' examples,
# kept in two test files, as the one file the documentation quotes.
set(text "")
foreach(source IN LISTS SOURCES)
  file(READ ${source} part)
  string(APPEND text "${part}")
endforeach()
file(WRITE ${OUTPUT} "${text}")
