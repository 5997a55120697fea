# Where an installed vantelo puts its files, and how a program is installed.
#
# The programs read their data file only from the directory they run from, so
# they live together with FLDATA.mdb in one private directory; a relative
# symbolic link in bin/ puts each on PATH.

include(GNUInstallDirs)

# The freedesktop id: the desktop entry, the icons and the AppStream metainfo
# are all named after it.
set(VANTELO_APP_ID org.vantelo.vantelo)

set(VANTELO_INSTALL_LIBDIR lib/vantelo CACHE STRING
    "Directory below the prefix for the programs and FLDATA.mdb")
set(VANTELO_MANUALS_DIR ${CMAKE_BINARY_DIR}/manuals)
file(RELATIVE_PATH VANTELO_BIN_TO_LIBDIR
    /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${VANTELO_INSTALL_LIBDIR})

add_custom_target(manuals ALL)

# vantelo_install_program(<target> MANUAL <page.1>)
# Installs the program beside the data file, its link in bin/ and its manual
# page, compressed as Debian expects.
function(vantelo_install_program target)
    cmake_parse_arguments(P "" "MANUAL" "" ${ARGN})
    if(NOT P_MANUAL)
        message(FATAL_ERROR "vantelo_install_program(${target}): a program needs its MANUAL page")
    endif()
    install(TARGETS ${target} RUNTIME DESTINATION ${VANTELO_INSTALL_LIBDIR})

    set(link ${CMAKE_CURRENT_BINARY_DIR}/launchers/${target})
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/launchers)
    file(CREATE_LINK ${VANTELO_BIN_TO_LIBDIR}/${target} ${link} SYMBOLIC)
    install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})

    get_filename_component(page ${P_MANUAL} NAME)
    set(compressed ${VANTELO_MANUALS_DIR}/${page}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTELO_MANUALS_DIR}
        COMMAND gzip -9 -n -c ${P_MANUAL} > ${compressed}
        DEPENDS ${P_MANUAL}
        COMMENT "Compressing manual page ${page}")
    add_custom_target(${target}_manual DEPENDS ${compressed})
    add_dependencies(manuals ${target}_manual)
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
