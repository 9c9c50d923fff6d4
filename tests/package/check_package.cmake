# Builds the Debian package with CPack, unpacks it into a scratch root and
# plays a short game with the unpacked driver against the unpacked data.
#
#   cmake -DCPACK_CONFIG=... -DGAME=... -DDRIVER=... -DSCRIPT=... -DWORK=...
#         -DVERSION=... -P check_package.cmake
foreach(built IN ITEMS "${CPACK_CONFIG}" "${GAME}" "${DRIVER}")
    if(NOT EXISTS "${built}")
        message(FATAL_ERROR "${built} is missing: build the project before testing the package")
    endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/out" "${WORK}/root" "${WORK}/data" "${WORK}/data-default")

function(run_or_fail)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed (${status}):\n${out}\n${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

run_or_fail(dpkg --print-architecture)
string(STRIP "${out}" arch)
set(deb "${WORK}/out/quenza_${VERSION}_${arch}.deb")
run_or_fail(cpack --config "${CPACK_CONFIG}" -B "${WORK}/out")
if(NOT EXISTS "${deb}")
    file(GLOB made "${WORK}/out/*.deb")
    message(FATAL_ERROR "expected ${deb}, cpack made: ${made}")
endif()

# The control fields, and dependencies found from the binaries themselves.
run_or_fail(dpkg-deb --field "${deb}")
set(control "${out}")
foreach(field IN ITEMS "\nVersion: ${VERSION}\n" "\nSection: games\n"
                       "\nDepends: [^\n]*libqt6widgets6" "\nDepends: [^\n]*qt6-translations-l10n"
                       "\nRecommends: [^\n]*qt6-wayland")
    if(NOT control MATCHES "${field}")
        message(FATAL_ERROR "control lacks ${field}:\n${control}")
    endif()
endforeach()

# Where desktops and the game look for the files, and nothing under /usr/local.
run_or_fail(dpkg-deb --contents "${deb}")
set(contents "${out}")
foreach(path IN ITEMS usr/bin/quenza usr/bin/quenza-driver usr/share/quenza/temas.tem
                      usr/share/quenza/fx/ding.wav usr/share/applications/org.quenza.Quenza.desktop
                      usr/share/metainfo/org.quenza.Quenza.metainfo.xml
                      usr/share/icons/hicolor/scalable/apps/org.quenza.Quenza.svg
                      usr/share/doc/quenza/copyright usr/share/doc/quenza/changelog.gz
                      usr/share/man/man6/quenza.6.gz usr/share/man/man1/quenza-driver.1.gz)
    string(REPLACE "." "\\." pattern "${path}")
    if(NOT contents MATCHES " \\./${pattern}\n")
        message(FATAL_ERROR "the package lacks /${path}:\n${contents}")
    endif()
endforeach()
if(contents MATCHES "usr/local")
    message(FATAL_ERROR "the package installs under /usr/local:\n${contents}")
endif()
if(NOT contents MATCHES "-rwxr-xr-x root/root [^\n]* \\./usr/bin/quenza\n")
    message(FATAL_ERROR "/usr/bin/quenza is not an executable owned by root:\n${contents}")
endif()

run_or_fail(dpkg -x "${deb}" "${WORK}/root")
set(root_driver "${WORK}/root/usr/bin/quenza-driver")

# Plays the script; finding the first word must lower the counter by one
# (the two `get`s answer it before and after).
function(play_and_check label)
    execute_process(COMMAND "${root_driver}" ${ARGN} "${SCRIPT}" RESULT_VARIABLE status
                    OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${label}: the driver exited with ${status}\n${out}\n${err}")
    endif()
    string(REGEX MATCHALL "\"value\":\"[0-9]+\"" counts "${out}")
    list(LENGTH counts count_of_gets)
    if(NOT count_of_gets EQUAL 2)
        message(FATAL_ERROR "${label}: expected two counter values:\n${out}")
    endif()
    list(GET counts 0 before)
    list(GET counts 1 after)
    string(REGEX REPLACE "[^0-9]" "" before "${before}")
    string(REGEX REPLACE "[^0-9]" "" after "${after}")
    math(EXPR expected "${before} - 1")
    if(NOT after EQUAL expected)
        message(FATAL_ERROR "${label}: the counter went from ${before} to ${after}:\n${out}")
    endif()
    message(STATUS "${label}: ${before} words, ${after} left after the first")
endfunction()

play_and_check("program folder named" --program-dir "${WORK}/root/usr/share/quenza" --data-dir
               "${WORK}/data")
# No folder named: the driver looks where the game does, and the unpacked
# binary has no temas.tem beside it, so it must find ../share/quenza.
play_and_check("program folder found" --data-dir "${WORK}/data-default")
