# Native builds use Debian's GoogleTest; the Windows build compiles the same
# sources (shipped by Debian in /usr/src/googletest) with the cross compiler.
if(WIN32)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    # The GoogleTest sources define the GTest:: aliases themselves.
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# One test executable per folder of tests. Under Wine each process start is
# costly, so the Windows build runs every executable as a single test.
# TIMEOUT (seconds) ends each test of tests that wait for another process.
function(tarvolin_add_test_executable name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main tarvolin_settings)
    if(WIN32)
        add_test(NAME ${name} COMMAND ${name})
    else()
        if(ARG_TIMEOUT)
            gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT ${ARG_TIMEOUT})
        else()
            gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
        endif()
    endif()
endfunction()
