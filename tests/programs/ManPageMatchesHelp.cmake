# SPDX-FileCopyrightText: The Tolvenn developers
# SPDX-License-Identifier: MIT
# Every long option a program's --help lists is in its man page, and the other way round,
# so that an option added to one and not the other is caught.
#   cmake -DPROGRAM=... -DMAN_PAGE=... -P ManPageMatchesHelp.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help ended with ${status}")
endif()
file(READ ${MAN_PAGE} man)
# troff writes a dash as \-.
string(REPLACE "\\-" "-" man "${man}")

string(REGEX MATCHALL "--[a-z][a-z0-9-]*" in_help "${help}")
string(REGEX MATCHALL "--[a-z][a-z0-9-]*" in_man "${man}")
list(REMOVE_DUPLICATES in_help)
list(REMOVE_DUPLICATES in_man)
set(missing)
foreach(option IN LISTS in_help)
  if(NOT option IN_LIST in_man)
    list(APPEND missing "${option} is in --help but not in the man page")
  endif()
endforeach()
foreach(option IN LISTS in_man)
  if(NOT option IN_LIST in_help)
    list(APPEND missing "${option} is in the man page but not in --help")
  endif()
endforeach()
if(missing)
  list(JOIN missing "\n" text)
  message(FATAL_ERROR "${MAN_PAGE}:\n${text}")
endif()
