# SPDX-FileCopyrightText: The Tolvenn developers
# SPDX-License-Identifier: MIT
# Every text the code marks for translation is translated in every catalogue: lupdate
# reads the sources into copies of the catalogues, and a text it has to add comes out
# unfinished. (The texts of the dialog templates and the species catalogue, which lupdate
# cannot see, are checked by the widget tests.)
#   cmake -DLUPDATE=... -DSOURCE=... -DWORK=... -P CataloguesCoverTheCode.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB catalogues ${SOURCE}/resources/translations/*.ts)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${catalogues} DESTINATION ${WORK})
file(GLOB copies ${WORK}/*.ts)
execute_process(COMMAND ${LUPDATE} -silent -locations none -I ${SOURCE} ${SOURCE}/app ${SOURCE}/ui ${SOURCE}/platform -ts ${copies}
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${errors}")
endif()
set(missing)
foreach(copy IN LISTS copies)
  file(READ ${copy} text)
  string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[a-z]+>[^<]*</[a-z]+>[^<]*)*<translation type=\"unfinished\"" untranslated "${text}")
  foreach(entry IN LISTS untranslated)
    string(REGEX REPLACE "<source>([^<]*)</source>.*" "\\1" source "${entry}")
    get_filename_component(name ${copy} NAME)
    list(APPEND missing "${name}: ${source}")
  endforeach()
endforeach()
if(missing)
  list(JOIN missing "\n" text)
  message(FATAL_ERROR "Not yet translated (add them to resources/translations):\n${text}")
endif()
