# Writes the drawings from tools/drawings/ into OUT and fails unless each is
# byte for byte the one checked in under ui/drawings/, and no drawing is
# missing on either side.
execute_process(COMMAND ${PYTHON} ${SOURCE}/tools/drawings/generate.py ${OUT}
                RESULT_VARIABLE generated OUTPUT_QUIET)
if(NOT generated EQUAL 0)
    message(FATAL_ERROR "tools/drawings/generate.py failed: ${generated}")
endif()
file(GLOB written RELATIVE ${OUT} ${OUT}/*.svg)
file(GLOB checked_in RELATIVE ${SOURCE}/ui/drawings ${SOURCE}/ui/drawings/*.svg)
if(NOT written STREQUAL checked_in)
    message(FATAL_ERROR "written: ${written}; checked in: ${checked_in}")
endif()
foreach(drawing IN LISTS written)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${drawing} ${SOURCE}/ui/drawings/${drawing}
                    RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "ui/drawings/${drawing} is not what tools/drawings/ writes")
    endif()
endforeach()
