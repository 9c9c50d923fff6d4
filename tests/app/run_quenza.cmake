# Runs the game's binary for one command-line case and checks its exit status
# and what it printed.
#
#   cmake -DQUENZA=... -DCASE=... -DFIXTURES=dir -P run_quenza.cmake
#
# The test runs it with DISPLAY and QT_QPA_PLATFORM unset: these commands must
# print and end without a window system.

# Runs quenza with the arguments that follow `status`; fails unless it exits
# with `status`. Sets `out` and `err` in the caller.
function(run_quenza status)
    execute_process(COMMAND "${QUENZA}" ${ARGN}
                    RESULT_VARIABLE got OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
    if(NOT got STREQUAL "${status}")
        message(FATAL_ERROR "quenza ${ARGN} exited with ${got}, expected ${status}\n"
                            "stdout:\n${stdout}\nstderr:\n${stderr}")
    endif()
    set(out "${stdout}" PARENT_SCOPE)
    set(err "${stderr}" PARENT_SCOPE)
endfunction()

function(expect_match what text regex)
    if(NOT text MATCHES "${regex}")
        message(FATAL_ERROR "${what} does not match ${regex}:\n${text}")
    endif()
endfunction()

function(expect_no_match what text regex)
    if(text MATCHES "${regex}")
        message(FATAL_ERROR "${what} should not match ${regex}:\n${text}")
    endif()
endfunction()

if(CASE STREQUAL "version")
    run_quenza(0 --version)
    expect_match(stdout "${out}" "^Quenza 1\\.0\\.7\n$")
    expect_match(stderr "${err}" "^$")
elseif(CASE STREQUAL "help")
    run_quenza(0 --help)
    expect_match(stdout "${out}" "^Uso: quenza \\[opciones\\]\n")
    foreach(option "-h, --help +Muestra esta ayuda" "-v, --version +Muestra la versión"
                   "--themes <ARCHIVO> +Juega con los temas de ARCHIVO"
                   "--check-themes <ARCHIVO> +Revisa los temas de ARCHIVO"
                   "--zoom <PORCENTAJE> +Empieza con las ventanas a este tamaño")
        expect_match(stdout "${out}" "\n  ${option}")
    endforeach()
    # Qt's own English texts must not leak into the help.
    expect_no_match(stdout "${out}" "Usage|Options:|Displays")
    expect_match(stderr "${err}" "^$")
elseif(CASE STREQUAL "check_clean")
    run_quenza(0 --check-themes "${FIXTURES}/good.tem")
    expect_match(stdout "${out}" "^3 temas leídos, 3 se pueden jugar, ningún problema\\.\n$")
    expect_match(stderr "${err}" "^$")
elseif(CASE STREQUAL "check_damaged")
    run_quenza(1 --check-themes "${FIXTURES}/damaged.tem")
    # The messages are the checker's own, tested beside it; here: one line per
    # problem in line order, line 5's Windows-1252 title shown in UTF-8, the
    # summary last.
    set(line "[^\n]*\n")
    expect_match(stdout "${out}" "^línea 2: ${line}línea 3: ${line}línea 3: ${line}línea 4: ${line}\
línea 5: [^\n]*«Café de la mañana ${line}línea 6: ${line}línea 7: ${line}línea 8: ${line}\
8 temas leídos, 6 se pueden jugar, 8 problemas\\.\n$")
    expect_match(stderr "${err}" "^$")
elseif(CASE STREQUAL "check_missing")
    run_quenza(2 --check-themes "${FIXTURES}/no-such-file.tem")
    expect_match(stdout "${out}" "^$")
    expect_match(stderr "${err}" "no se puede leer el archivo de temas: .*no-such-file\\.tem")
elseif(CASE STREQUAL "wrong_command_line")
    run_quenza(2 --check-themes "${FIXTURES}/good.tem" --no-such-option)
    expect_match(stderr "${err}" "opción desconocida: --no-such-option")
    run_quenza(2 --check-themes)
    expect_match(stderr "${err}" "falta el ARCHIVO tras --check-themes")
    run_quenza(2 --version extra)
    expect_match(stderr "${err}" "argumento de más: extra")
    # Only the zoom steps are accepted.
    run_quenza(2 --version --zoom 175)
    expect_match(stderr "${err}" "--zoom admite 100, 125, 150, 200, 250 o 300, no «175»")
    run_quenza(0 --version --zoom 150%)
else()
    message(FATAL_ERROR "unknown case ${CASE}")
endif()
