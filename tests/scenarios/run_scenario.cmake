# Plays one scenario script with quenza-driver in a fresh data folder.
#
#   cmake -DDRIVER=... -DSCRIPT=... -DWORK=... -DFIXTURES=dir [-DFIXTURE=name]
#         [-DPROGRAM=name] [-DSEED=n] -P run_scenario.cmake
#
# FIXTURE and PROGRAM name folders of FIXTURES; FIXTURE's files are copied
# into the data folder first. After the driver has passed, lines of the script
# of the form
#   #@file NAME matches REGEX     (a \r\n in REGEX also asks for CR LF line ends)
#   #@file NAME missing
# check the data folder's files, and lines
#   #@output matches REGEX
# check what the driver printed (the answers of `sounds`, `get`, `dump`).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
if(FIXTURE)
    file(GLOB fixture_files "${FIXTURES}/${FIXTURE}/*")
    file(COPY ${fixture_files} DESTINATION "${WORK}")
endif()
set(args --data-dir "${WORK}" --date 2002-03-05)
if(PROGRAM)
    list(APPEND args --program-dir "${FIXTURES}/${PROGRAM}")
endif()
if(SEED)
    list(APPEND args --seed "${SEED}")
endif()
execute_process(COMMAND "${DRIVER}" ${args} "${SCRIPT}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "driver exited with ${status}\n${out}\n${err}")
endif()

file(STRINGS "${SCRIPT}" checks REGEX "^#@")
foreach(check IN LISTS checks)
    if(check MATCHES "^#@output matches (.*)$")
        if(NOT out MATCHES "${CMAKE_MATCH_1}")
            message(FATAL_ERROR "the driver's output does not match ${CMAKE_MATCH_1}:\n${out}")
        endif()
    elseif(check MATCHES "^#@file ([^ ]+) missing$")
        if(EXISTS "${WORK}/${CMAKE_MATCH_1}")
            message(FATAL_ERROR "${CMAKE_MATCH_1} should not exist")
        endif()
    elseif(check MATCHES "^#@file ([^ ]+) matches (.*)$")
        set(name "${CMAKE_MATCH_1}")
        set(pattern "${CMAKE_MATCH_2}")
        # file(READ) drops carriage returns: the line endings are checked on
        # the bytes (a line feed whose byte before is not 0d), then the
        # pattern's \r\n matches a plain line break.
        file(READ "${WORK}/${name}" bytes HEX)
        string(REGEX REPLACE "(..)" "\\1 " bytes "${bytes}")
        if(pattern MATCHES "\\\\r" AND bytes MATCHES "(^|([^0].|.[^d]) )0a ")
            message(FATAL_ERROR "${name} has a line not ended by CR LF")
        endif()
        string(REPLACE "\\r\\n" "\n" pattern "${pattern}")
        file(READ "${WORK}/${name}" content)
        if(NOT content MATCHES "${pattern}")
            message(FATAL_ERROR "${name} does not match ${pattern}:\n${content}")
        endif()
    else()
        message(FATAL_ERROR "unknown check: ${check}")
    endif()
endforeach()
message(STATUS "${out}")
