# What `cmake --install` puts where, and the `uninstall` target that takes it away again.
include(GNUInstallDirs)

# Every file the install writes, relative to the prefix; the uninstall removes exactly
# these and the folders that are left empty, so it needs no manifest of an earlier build.
set(KALMO_DESKTOP_ENTRY ${CMAKE_INSTALL_DATADIR}/applications/kalmo.desktop)
set(KALMO_INSTALLED_FILES
    ${CMAKE_INSTALL_BINDIR}/kalmo
    ${CMAKE_INSTALL_BINDIR}/kalmo-launch
    ${CMAKE_INSTALL_DATADIR}/doc/kalmo/README.md
    ${CMAKE_INSTALL_DATADIR}/doc/kalmo/LICENSE
    ${KALMO_DESKTOP_ENTRY}
    ${CMAKE_INSTALL_DATADIR}/metainfo/ru.kalmo.Kalmo.metainfo.xml)
foreach(size 16 32 48 256)
    list(APPEND KALMO_INSTALLED_FILES
        ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps/kalmo.png)
endforeach()

install(TARGETS kalmo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS desktop/kalmo-launch DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES README.md LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kalmo)
install(FILES desktop/ru.kalmo.Kalmo.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${KALMO_ARTWORK_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The desktop entry starts the launcher, which runs the program in ~/Kalmo. It names the
# launcher by its full path so the menu finds it even when the prefix's bin folder is not
# on PATH, and that path is under the prefix given to `cmake --install`, not the
# configured one, so the entry is written when installing, straight to its place.
install(CODE "
    set(KALMO_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kalmo-launch\")
    set(entry \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${KALMO_DESKTOP_ENTRY}\")
    message(STATUS \"Installing: \${entry}\")
    configure_file(\"${CMAKE_SOURCE_DIR}/desktop/kalmo.desktop.in\" \"\${entry}\" @ONLY)
")

# Removes the installed files from the configured prefix, or from the one KALMO_PREFIX
# names in the environment (as after `cmake --install build --prefix DIR`).
add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND}
            "-DKALMO_CONFIGURED_PREFIX=${CMAKE_INSTALL_PREFIX}"
            "-DKALMO_INSTALLED_FILES=${KALMO_INSTALLED_FILES}"
            -P ${CMAKE_SOURCE_DIR}/cmake/KalmoUninstall.cmake
    VERBATIM)
