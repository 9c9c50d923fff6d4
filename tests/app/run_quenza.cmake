# Runs the game's binary for one command-line case and checks its exit status
# and what it printed.
#
#   cmake -DQUENZA=... -DCASE=... -DFIXTURES=dir -DWORK=scratch-dir -P run_quenza.cmake
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
    # Qt's own options in Spanish, and an option of the game's with its value.
    expect_match(stdout "${out}" "\n  -h, --help +Muestra esta ayuda")
    expect_match(stdout "${out}" "\n  --themes <ARCHIVO> +Juega con los temas de ARCHIVO")
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
elseif(CASE STREQUAL "worksheet_errors")
    # Every refusal says why in Spanish and leaves no PDF behind.
    file(REMOVE_RECURSE "${WORK}")
    file(MAKE_DIRECTORY "${WORK}")
    set(pdf "${WORK}/hoja.pdf")
    function(refuse status pattern)
        run_quenza(${status} --worksheet "${pdf}" ${ARGN})
        expect_match(stderr "${err}" "${pattern}")
        expect_match(stdout "${out}" "^$")
        if(EXISTS "${pdf}")
            message(FATAL_ERROR "quenza ${ARGN} left ${pdf} behind")
        endif()
    endfunction()
    refuse(1 "no se puede leer el archivo de temas: .*no-such-file\\.tem"
           --themes "${FIXTURES}/no-such-file.tem")
    refuse(1 "ningún tema del archivo de temas pone palabras en el tablero: .*unplayable\\.tem\nRe"
           --themes "${FIXTURES}/unplayable.tem")
    refuse(1 "el tema de la línea 2 no pone ninguna palabra en el tablero"
           --themes "${FIXTURES}/damaged.tem" --theme 2)
    refuse(2 "--theme 4 no es una línea del archivo de temas, que tiene 3 líneas: .*good\\.tem"
           --themes "${FIXTURES}/good.tem" --theme 4)
    refuse(2 "--count 4 pide un tema distinto para cada sopa, pero solo 3 temas se pueden jugar"
           --themes "${FIXTURES}/good.tem" --count 4)
    refuse(2 "quenza: --count admite de 1 a 200 sopas, no «201»\nPruebe «quenza --help»" --count 201)
    refuse(2 "--count admite de 1 a 200 sopas, no «0»" --count 0)
    refuse(2 "--theme admite el número de una línea del archivo de temas, no «tres»" --theme tres)
    refuse(2 "--seed admite un número entero desde 0, no «-5»" --seed -5)
    refuse(2 "--paper admite a4 o letter, no «a5»" --paper a5)
    refuse(2 "--worksheet y --check-themes no van juntas" --check-themes "${FIXTURES}/good.tem")
    run_quenza(2 --count 3)
    expect_match(stderr "${err}" "--count solo vale con --worksheet")
    run_quenza(2 --worksheet)
    expect_match(stderr "${err}" "falta el ARCHIVO tras --worksheet")
    # An output that cannot be written: a missing folder, a folder.
    run_quenza(1 --worksheet "${WORK}/no-such-folder/hoja.pdf")
    expect_match(stderr "${err}" "no se puede escribir .*hoja\\.pdf: no existe la carpeta .*no-such-folder")
    run_quenza(1 --worksheet "${WORK}")
    expect_match(stderr "${err}" "no se puede escribir .*: es una carpeta")
    file(GLOB left "${WORK}/*")
    expect_match("what is left in ${WORK}" "${left}" "^$")
elseif(CASE STREQUAL "no_display")
    # A game's command line is judged before the window system is looked for;
    # Qt's own options are left to Qt.
    run_quenza(2 --bogus)
    expect_match(stderr "${err}" "^quenza: opción desconocida: --bogus\n")
    run_quenza(2 -platform offscreen --zoom 175)
    expect_match(stderr "${err}" "--zoom admite 100")
    # Without a display the player is told so in one line, with no core dump.
    run_quenza(1)
    expect_match(stderr "${err}" "^quenza: el juego necesita un escritorio gráfico[^\n]*\n$")
    run_quenza(1 --zoom 150 -style fusion)
    expect_match(stderr "${err}" "^quenza: el juego necesita un escritorio gráfico[^\n]*\n$")
else()
    message(FATAL_ERROR "unknown case ${CASE}")
endif()
