# The Windows build of the window program: a GUI program (no console window)
# carrying its icon and version. vantelo-query and the import helper stay
# console programs.
set(VANTELO_WINDOWS_DIR ${CMAKE_CURRENT_LIST_DIR})
configure_file(${VANTELO_WINDOWS_DIR}/vantelo.rc.in ${CMAKE_BINARY_DIR}/vantelo.rc @ONLY)
target_sources(vantelo PRIVATE ${CMAKE_BINARY_DIR}/vantelo.rc)
set_target_properties(vantelo PROPERTIES WIN32_EXECUTABLE ON)
