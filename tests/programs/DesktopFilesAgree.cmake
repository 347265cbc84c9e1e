# SPDX-FileCopyrightText: The Tolvenn developers
# SPDX-License-Identifier: MIT
# The desktop entry, the metainfo and the build name the program by the same application
# id, and the metainfo's newest release is the version being built.
#   cmake -DAPP_ID=... -DVERSION=... -DRESOURCES=... -P DesktopFilesAgree.cmake
cmake_minimum_required(VERSION 3.25)
file(READ ${RESOURCES}/${APP_ID}.desktop desktop)
file(READ ${RESOURCES}/${APP_ID}.metainfo.xml metainfo)

function(expect what text needle)
  string(FIND "${text}" "${needle}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${what}: no ${needle}")
  endif()
endfunction()

expect("desktop entry" "${desktop}" "\nIcon=${APP_ID}\n")
expect("metainfo" "${metainfo}" "<id>${APP_ID}</id>")
expect("metainfo" "${metainfo}" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>")
string(REGEX MATCH "<release version=\"([^\"]*)\"" release "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "the metainfo's newest release is '${CMAKE_MATCH_1}', the build's version ${VERSION}")
endif()
