cmake_minimum_required(VERSION 3.22)
# Whether a translation file holds exactly the texts the sources mark for
# translation: lupdate is run on the sources into a scratch file, and the two
# are compared without their translations and places. Run by CTest:
#   cmake -DLUPDATE=… -DSOURCES=list-file -DTS=file.ts -DSCRATCH=dir -P translations-current.cmake
file(REMOVE ${SCRATCH}/current-${LANGUAGE}.ts)
execute_process(
    COMMAND ${LUPDATE} -silent -tr-function-alias QT_TRANSLATE_NOOP+=VM_TR,QT_TRANSLATE_N_NOOP+=VM_TR_N
            -locations none -no-obsolete @${SOURCES} -ts ${SCRATCH}/current-${LANGUAGE}.ts
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed")
endif()

# The contexts, sources, comments and forms of a file, one per line.
function(texts_of file out)
    file(READ ${file} text)
    string(REGEX REPLACE "<translation[^>]*/>" "" text "${text}")
    string(REGEX REPLACE "<translation[^>]*>([^<]|<numerusform>[^<]*</numerusform>|<numerusform/>|[ \n])*</translation>" "" text "${text}")
    string(REGEX REPLACE "<location[^>]*/>" "" text "${text}")
    string(REGEX REPLACE "<TS[^>]*>" "" text "${text}")
    string(REGEX REPLACE "[ \n]+" " " text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

texts_of(${SCRATCH}/current-${LANGUAGE}.ts current)
texts_of(${TS} kept)
if(NOT current STREQUAL kept)
    message(FATAL_ERROR "${TS} does not hold the texts the sources mark for translation: "
                        "build the target update_translations and translate what is new")
endif()

# Every text translated, and every value it holds kept: %1 … %9 (a form for
# a count may leave %n out, "one channel"), and a file kind's pattern, which
# the file dialogs read ("(*.DAT)").
file(READ ${TS} text)
# A ";" would split CMake's lists.
string(REPLACE ";" "@SEMICOLON@" text "${text}")
string(REGEX MATCHALL "<message[^>]*>([^<]|<[^/]|</[^m])*</message>" messages "${text}")
list(LENGTH messages count)
if(count LESS 250)
    message(FATAL_ERROR "${TS}: only ${count} messages")
endif()
set(problems "")
foreach(message IN LISTS messages)
    string(REGEX MATCH "<source>([^<]*)</source>" _ "${message}")
    set(source "${CMAKE_MATCH_1}")
    if(message MATCHES "type=\"(unfinished|vanished|obsolete)\"")
        string(APPEND problems "\n  not finished: ${source}")
        continue()
    endif()
    string(REGEX MATCHALL "%[1-9]|\\(\\*\\.[A-Za-z]+\\)" wanted "${source}")
    list(SORT wanted)
    list(REMOVE_DUPLICATES wanted)
    string(REGEX MATCHALL "<(translation|numerusform)>[^<]*</(translation|numerusform)>" forms "${message}")
    if(NOT forms)
        string(APPEND problems "\n  no translation: ${source}")
    endif()
    foreach(form IN LISTS forms)
        string(REGEX REPLACE "</?(translation|numerusform)>" "" translated "${form}")
        string(REGEX MATCHALL "%[1-9]|\\(\\*\\.[A-Za-z]+\\)" given "${translated}")
        list(SORT given)
        list(REMOVE_DUPLICATES given)
        if(translated STREQUAL "" OR NOT "${given}" STREQUAL "${wanted}")
            string(APPEND problems "\n  \"${translated}\" for \"${source}\"")
        endif()
    endforeach()
endforeach()
if(problems)
    message(FATAL_ERROR "${TS}:${problems}")
endif()
