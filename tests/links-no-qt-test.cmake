# Fails when the program links Qt Test, which only the tests, benchmarks and
# fuzz harnesses may: a test helper that slipped into the library would ship
# with the program. Run as: cmake -DPROGRAM=<path> -P links-no-qt-test.cmake
file(GET_RUNTIME_DEPENDENCIES EXECUTABLES "${PROGRAM}" RESOLVED_DEPENDENCIES_VAR resolved
     UNRESOLVED_DEPENDENCIES_VAR unresolved)
foreach(library IN LISTS resolved unresolved)
    if(library MATCHES "libQt[0-9]*Test")
        message(FATAL_ERROR "${PROGRAM} links ${library}")
    endif()
endforeach()
list(LENGTH resolved count)
message(STATUS "${PROGRAM} links ${count} libraries, none of them Qt Test")
