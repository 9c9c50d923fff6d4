# The Debian package: `cmake --build <build> --target package` (or
# `cpack --config <build>/CPackConfig.cmake`) writes quenza_<version>_<arch>.deb
# with everything `cmake --install` installs, under /usr.

# The documents every Debian package carries: the copyright file as it is, the
# changelog and the manual pages compressed the way Debian expects them (no
# timestamp, best ratio).
set(quenza_package_source ${PROJECT_SOURCE_DIR}/data/package)
set(quenza_package_build ${CMAKE_BINARY_DIR}/package)
set(quenza_compressed_docs)
function(quenza_compressed_doc name destination)
    set(copy ${quenza_package_build}/${name})
    add_custom_command(
        OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${quenza_package_source}/${name} ${copy}
        COMMAND gzip -9 -n -f ${copy}
        DEPENDS ${quenza_package_source}/${name}
        COMMENT "Compressing ${name}"
        VERBATIM)
    install(FILES ${copy}.gz DESTINATION ${destination})
    set(quenza_compressed_docs ${quenza_compressed_docs} ${copy}.gz PARENT_SCOPE)
endfunction()

set(quenza_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/quenza)
quenza_compressed_doc(changelog ${quenza_doc_dir})
quenza_compressed_doc(quenza.6 ${CMAKE_INSTALL_MANDIR}/man6)
quenza_compressed_doc(quenza-driver.1 ${CMAKE_INSTALL_MANDIR}/man1)
add_custom_target(quenza_package_docs ALL DEPENDS ${quenza_compressed_docs})
install(FILES ${quenza_package_source}/copyright DESTINATION ${quenza_doc_dir})
# Debian puts games in /usr/games; this one stays in /usr/bin beside its driver,
# where `cmake --install` puts both, and says so to lintian.
install(FILES ${quenza_package_source}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME quenza)

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE quenza_deb_arch
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT quenza_deb_arch)
    set(quenza_deb_arch amd64)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quenza)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Equipo de Quenza")
set(CPACK_PACKAGE_CONTACT "Equipo de Quenza <quenza@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sopa de letras en español")
# The long description; CPack indents its lines and marks the empty ones as
# the control file wants them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quenza esconde las palabras de un tema en una cuadrícula de 12 × 12 letras,
en filas, columnas y diagonales, leídas en cualquier sentido. Una palabra se
marca con dos clics, en su primera y en su última letra.

En el modo Tradicional las palabras están a la vista y el reloj avanza; los
mejores tiempos entran en el ranking. En el modo Evolution las palabras están
ocultas, una cuenta atrás marca cada nivel y los comodines ayudan.

Incluye quenza-driver, el jugador automático que usan las pruebas del juego.")

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Equipo de Quenza <quenza@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quenza.example.org)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${quenza_deb_arch})
set(CPACK_DEBIAN_FILE_NAME quenza_${PROJECT_VERSION}_${quenza_deb_arch}.deb)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window-system plugin (xcb) at run time, so no binary
# links it and the shared-library scan cannot find it; its Wayland plugin
# lets the game run natively on a Wayland desktop. The game's labels ask
# for Arial, which Liberation Sans stands in for, metric for metric.
# Qt's own texts (context menus, standard buttons) come in Spanish from its
# translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-wayland")

include(CPack)
