# The Windows build of the window program: a GUI program (no console window)
# carrying its icon and version. vantelo-query and the import helper stay
# console programs.
set(VANTELO_WINDOWS_DIR ${CMAKE_CURRENT_LIST_DIR})
configure_file(${VANTELO_WINDOWS_DIR}/vantelo.rc.in ${CMAKE_BINARY_DIR}/vantelo.rc @ONLY)
target_sources(vantelo PRIVATE ${CMAKE_BINARY_DIR}/vantelo.rc)
set_target_properties(vantelo PROPERTIES WIN32_EXECUTABLE ON)

# Qt's own Chinese texts (dialogs, message boxes): the Windows Qt carries no
# translations, so the programs load Debian's from a translations/ folder
# beside themselves, in the build tree as in the package.
find_file(VANTELO_QT_CHINESE qtbase_zh_CN.qm PATHS ${QT_HOST_PATH}/share/qt6/translations
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
# vantelo_place_qt_chinese(<target> <folder>): copies it into <folder>/translations.
function(vantelo_place_qt_chinese target folder)
    set(copy ${folder}/translations/qtbase_zh_CN.qm)
    add_custom_command(OUTPUT ${copy}
        COMMAND ${CMAKE_COMMAND} -E copy ${VANTELO_QT_CHINESE} ${copy}
        DEPENDS ${VANTELO_QT_CHINESE}
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${copy})
endfunction()
vantelo_place_qt_chinese(qt_chinese_for_programs ${VANTELO_PROGRAM_DIR})
