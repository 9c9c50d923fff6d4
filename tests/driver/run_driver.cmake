# cmake -DDRIVER=path -DSCRIPT=fails_at_line_3.drv -P run_driver.cmake: a script
# file stops at its failing line, standard input goes on until quit.
function(check expected_status input expected_out expected_err)
    execute_process(COMMAND ${DRIVER} ${ARGN} INPUT_FILE ${input}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    string(FIND "${err}" "${expected_err}" found)
    if(NOT status STREQUAL expected_status OR NOT out STREQUAL expected_out OR found EQUAL -1)
        message(SEND_ERROR "${ARGN} < ${input}: status ${status}\n${out}${err}")
    endif()
endfunction()

set(ok "{\"ok\":true}\n")
set(failed "{\"ok\":false,\"line\":3,\"error\":\"time is 10, expected = 11\"}\n")
check(1 /dev/null "${ok}${failed}"
      "fails_at_line_3.drv:3: expect time = 11: time is 10, expected = 11" ${SCRIPT})
check(1 ${SCRIPT} "${ok}${failed}${ok}${ok}" "stdin:3: expect time = 11")
check(2 /dev/null "" "--seed needs a whole number" --seed x ${SCRIPT})
check(2 /dev/null "" "--date needs a date" --date 2002-02-30 ${SCRIPT})
check(2 /dev/null "" "cannot read the script" ${SCRIPT}.none)
check(2 /dev/null "" "one script at most" ${SCRIPT} ${SCRIPT})

# A picture is refused, and nothing written, for a window that is not there,
# a file that is not a PNG and a zoom out of range.
get_filename_component(scripts "${SCRIPT}" DIRECTORY)
string(CONCAT refusals "${ok}"
       "{\"ok\":false,\"line\":2,\"error\":\"Form3 is not loaded\"}\n"
       "{\"ok\":false,\"line\":3,\"error\":\"never.txt is not a .png file\"}\n"
       "{\"ok\":false,\"line\":4,\"error\":\"the zoom goes from 25 to 400\"}\n"
       "${ok}")
check(1 ${scripts}/shot_refusals.drv "${refusals}" "stdin:4: shot Inicio never.png 1000")
