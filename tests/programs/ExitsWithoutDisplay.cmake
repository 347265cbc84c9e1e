# SPDX-FileCopyrightText: The Tolvenn developers
# SPDX-License-Identifier: MIT
# With no display at all the window program answers on one line before its toolkit
# starts: a wrong command line with status 2, a right one with status 1.
#   cmake -DPROGRAM=... -P ExitsWithoutDisplay.cmake
cmake_minimum_required(VERSION 3.25)
set(cases "--bogus|2" "300|1" "--lang=fr|2" "-platformx|2" "60 70|2" "|1")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 arguments)
  list(GET parts 1 expected)
  separate_arguments(arguments UNIX_COMMAND "${arguments}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=WAYLAND_SOCKET
                          --unset=QT_QPA_PLATFORM ${PROGRAM} ${arguments}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  string(REGEX MATCHALL "\n" breaks "${err}")
  list(LENGTH breaks lines)
  if(NOT status STREQUAL expected OR NOT lines EQUAL 1 OR NOT out STREQUAL "")
    message(FATAL_ERROR "'${arguments}': status ${status} (expected ${expected}), stderr:\n${err}stdout:\n${out}")
  endif()
endforeach()
