# Libraries the program loads itself at their first use rather than at every start (libzip and
# the crypto library: src/calfile/ArchiveLibraries.cpp; libical: src/interchange/IcalLibrary.cpp). Their headers are used as usual; the
# program asks the dynamic loader for them by the name they carry (their SONAME), and its Debian
# package depends on the packages that hold them, which dpkg-shlibdeps cannot see.
set(DAYBINDER_DELAYED_PACKAGES)
function(daybinder_delayed_library out imported)
    get_target_property(libraries ${imported} INTERFACE_LINK_LIBRARIES)
    list(GET libraries 0 file)
    execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${file} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
    string(REGEX MATCH "SONAME +([^ \n]+)" found "${dump}")
    if(failed OR NOT found)
        message(FATAL_ERROR "No SONAME found in ${file}")
    endif()
    set(soname ${CMAKE_MATCH_1})
    set(${out} ${soname} PARENT_SCOPE)
    get_filename_component(folder ${file} DIRECTORY)
    execute_process(COMMAND dpkg-query -S ${folder}/${soname} OUTPUT_VARIABLE owner ERROR_QUIET)
    if(owner MATCHES "^([^:,]+)")
        set(DAYBINDER_DELAYED_PACKAGES ${DAYBINDER_DELAYED_PACKAGES} ${CMAKE_MATCH_1} PARENT_SCOPE)
    endif()
endfunction()

daybinder_delayed_library(DAYBINDER_LIBZIP_SONAME PkgConfig::LIBZIP)
daybinder_delayed_library(DAYBINDER_LIBCRYPTO_SONAME PkgConfig::LIBCRYPTO)
daybinder_delayed_library(DAYBINDER_LIBICAL_SONAME PkgConfig::LIBICAL)
