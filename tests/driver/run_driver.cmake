# Runs quenza-driver once and checks its exit status, and when asked its exact
# standard output and a piece of its error output.
#   -DDRIVER=path -DARGS=a|b|c -DINPUT=file -DSTATUS=n -DOUTPUT=file -DERROR_TEXT=text
string(REPLACE "|" ";" args "${ARGS}")
if(NOT INPUT)
    set(INPUT /dev/null)
endif()
execute_process(COMMAND ${DRIVER} ${args}
                INPUT_FILE ${INPUT}
                RESULT_VARIABLE status
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT status STREQUAL STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${out}\n${err}")
endif()
if(OUTPUT)
    file(READ ${OUTPUT} expected)
    if(NOT out STREQUAL expected)
        message(FATAL_ERROR "answers differ:\n${out}\nexpected:\n${expected}")
    endif()
endif()
if(ERROR_TEXT)
    string(FIND "${err}" "${ERROR_TEXT}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "error output lacks \"${ERROR_TEXT}\":\n${err}")
    endif()
endif()
