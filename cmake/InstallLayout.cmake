# Where an installation keeps the program's files. The program finds its files from its own
# folder, so it is given the paths from the programs' folder to them.
include(GNUInstallDirs)
set(DAYBINDER_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/daybinder)
# The audio module goes in the architecture's own folder, as Debian keeps such files, under any
# prefix (GNUInstallDirs names that folder only for /usr). It is the program's own: no library
# search path reaches it.
if(CMAKE_LIBRARY_ARCHITECTURE AND CMAKE_INSTALL_LIBDIR STREQUAL "lib")
    set(DAYBINDER_INSTALL_MODULEDIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/daybinder)
else()
    set(DAYBINDER_INSTALL_MODULEDIR ${CMAKE_INSTALL_LIBDIR}/daybinder)
endif()
file(RELATIVE_PATH data_from_program ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/daybinder)
file(RELATIVE_PATH modules_from_program ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${DAYBINDER_INSTALL_MODULEDIR})
set(DAYBINDER_INSTALL_DEFINITIONS
    "DAYBINDER_DATA_FROM_PROGRAM=\"${data_from_program}\";DAYBINDER_MODULES_FROM_PROGRAM=\"${modules_from_program}\"")
