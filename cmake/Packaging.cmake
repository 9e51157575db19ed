# The installation (cmake --install) and its Debian package (scripts/package.sh): the two
# programs, their files, the desktop's entries and the documentation, all in one place.
set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)
set(desktop_dir ${PROJECT_SOURCE_DIR}/src/platform/desktop)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/daybinder)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS daybinder daybinder-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS daybinder_audio daybinder_keyring daybinder_printers daybinder_networkmodule daybinder_chartmodule
        LIBRARY DESTINATION ${DAYBINDER_INSTALL_MODULEDIR})
install(DIRECTORY ${DAYBINDER_HELP_SOURCE_DIR}/Html DESTINATION ${DAYBINDER_INSTALL_DATADIR}/help)
install(DIRECTORY ${DAYBINDER_WAV_DIR}/ DESTINATION ${DAYBINDER_INSTALL_DATADIR}/Wav)

install(FILES ${desktop_dir}/daybinder.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${desktop_dir}/org.daybinder.Daybinder.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_dir}/org.daybinder.Daybinder.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_dir}/daybinder-cli.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME daybinder-cli)
install(FILES ${packaging_dir}/copyright DESTINATION ${doc_dir})

# The program icon at each size of the icon theme, drawn by the same code as the window icon.
set(generated)
foreach(size 16 22 24 32 48 64 128 256 512)
    set(icon ${packaging_out}/icons/hicolor/${size}x${size}/apps/daybinder.png)
    add_custom_command(
        OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_out}/icons/hicolor/${size}x${size}/apps
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:daybinder_icongen> ${icon} ${size}
        DEPENDS daybinder_icongen
        VERBATIM)
    list(APPEND generated ${icon})
endforeach()
install(DIRECTORY ${packaging_out}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Manual pages and the change log, compressed the way Debian wants them: best compression,
# no name or time stamp inside.
function(daybinder_gzip source output destination)
    add_custom_command(
        OUTPUT ${output}
        COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${source} ${output}
        DEPENDS ${source}
        VERBATIM)
    install(FILES ${output} DESTINATION ${destination})
    set(generated ${generated} ${output} PARENT_SCOPE)
endfunction()
daybinder_gzip(${packaging_dir}/man/daybinder.1 ${packaging_out}/daybinder.1.gz ${CMAKE_INSTALL_MANDIR}/man1)
daybinder_gzip(${packaging_dir}/man/daybinder-cli.1 ${packaging_out}/daybinder-cli.1.gz ${CMAKE_INSTALL_MANDIR}/man1)
daybinder_gzip(${packaging_dir}/changelog ${packaging_out}/changelog.gz ${doc_dir})
add_custom_target(daybinder_packaging ALL DEPENDS ${generated})

# The documentation says what the command line offers: every command and option of
# daybinder-cli is in its manual page and its completion.
add_test(NAME cli_documentation
         COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packaging/cli_documentation.sh $<TARGET_FILE:daybinder-cli>
                 ${packaging_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME daybinder)
set(CPACK_PACKAGE_CONTACT "Daybinder developers <maintainers@daybinder.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "planner for a calendar year and a household budget")
set(CPACK_PACKAGE_DESCRIPTION
    "Daybinder keeps one calendar year in a file: every day holds its events,\n"
    "incomes and expenses. Recurring events and birthdays fill the year on their\n"
    "own, debts and savings accounts keep a running balance, alarms with sounds\n"
    "warn ahead, and each month prints as a wall calendar with its picture.\n"
    "The program speaks French.\n"
    "\n"
    "daybinder-cli reads, writes, prints and exchanges (iCalendar, CSV) the same\n"
    "documents without a screen, for scripts.")
string(CONCAT CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://daybinder.org/)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The libraries the programs link come from dpkg-shlibdeps; the rest is loaded at run time: the
# libraries the program loads at their first use, the faces the month grids and printed pages
# name, and Qt's French texts for its standard dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
list(JOIN DAYBINDER_DELAYED_PACKAGES ", " delayed)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${delayed}, fonts-dejavu-core, fonts-liberation2, qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
