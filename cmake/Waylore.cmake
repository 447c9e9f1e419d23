# Shared helpers for the subsystem libraries, the tests and the benchmarks.

# waylore_add_library(<folder> [LIBS ...]): the static library waylore_<folder> from the folder's sources.
function(waylore_add_library folder)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    qt_add_library(waylore_${folder} STATIC ${sources})
    target_include_directories(waylore_${folder} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(waylore_${folder} PUBLIC ${ARG_LIBS})
endfunction()

# waylore_add_tests(LIBS ...): one Qt Test executable per tst_*.cpp in the current folder,
# each registered with CTest and run headless.
function(waylore_add_tests)
    cmake_parse_arguments(ARG "" "" "LIBS;RESOURCES" ${ARGN})
    file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
    foreach(source ${tests})
        get_filename_component(name ${source} NAME_WE)
        qt_add_executable(${name} ${source})
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} waylore_testcommon Qt6::Test)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QUICK_CONTROLS_STYLE=Material;XDG_RUNTIME_DIR=/tmp/runtime-waylore-tests"
            TIMEOUT 300)
    endforeach()
endfunction()
