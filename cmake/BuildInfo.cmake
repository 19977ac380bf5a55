# Build texts shown in the About window, on the splash label and in data files.
# The revision is the repository's commit count when the sources are a git
# checkout, else 0.
find_package(Git QUIET)
set(VALTRIX_REVISION 0)
if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-list --count HEAD
        WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
        OUTPUT_VARIABLE _rev OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE _rc ERROR_QUIET)
    if(_rc EQUAL 0 AND _rev MATCHES "^[0-9]+$")
        set(VALTRIX_REVISION ${_rev})
    endif()
endif()
math(EXPR VALTRIX_POINTER_BITS "${CMAKE_SIZEOF_VOID_P} * 8")
set(VALTRIX_BUILDINFO_HEADER ${CMAKE_CURRENT_BINARY_DIR}/generated/BuildInfo.h)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/cmake/BuildInfo.h.in ${VALTRIX_BUILDINFO_HEADER} @ONLY)
