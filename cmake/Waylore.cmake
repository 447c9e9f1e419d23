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

# Whether <target> links <library>, directly or through the targets it links.
function(waylore_links_transitively target library out)
    set(queue ${target})
    set(seen "")
    set(found FALSE)
    while(queue)
        list(POP_FRONT queue current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        get_target_property(aliased ${current} ALIASED_TARGET)
        if(aliased)
            set(current ${aliased})
        endif()
        if(current STREQUAL library)
            set(found TRUE)
            break()
        endif()
        set(links "")
        get_target_property(imported ${current} IMPORTED)
        get_target_property(type ${current} TYPE)
        if(NOT imported AND NOT type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(direct ${current} LINK_LIBRARIES)
            if(direct)
                list(APPEND links ${direct})
            endif()
        endif()
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        if(interface)
            list(APPEND links ${interface})
        endif()
        foreach(link ${links})
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
            list(APPEND queue ${link})
        endforeach()
    endwhile()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# waylore_folder_targets(<out> <folder>...): the targets defined in these folders and their subfolders.
function(waylore_folder_targets out)
    set(found "")
    set(folders ${ARGN})
    while(folders)
        list(POP_FRONT folders folder)
        get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
        list(APPEND folders ${subfolders})
        get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
        list(APPEND found ${targets})
    endwhile()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# waylore_share_qt_headers(<folder>...): the executables and static libraries of these folders
# (and their subfolders) that see QtGui take the QtCore and QtGui headers precompiled once,
# instead of parsing them again for each source: that parsing was half of the compile time of a
# test or of a QML document's compiled code, and a quarter of a library source's.
# GCC takes a precompiled header only when built with the same options and macros; the Qt module
# headers test none of the per-target macros (QtTest's do: it stays out), and -Winvalid-pch, an
# error here, says so at once if a change ever breaks that.
function(waylore_share_qt_headers)
    set(users "")
    waylore_folder_targets(targets ${ARGN})
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        # The QML modules' plugins are left out: their macros change what qplugin.h declares.
        get_target_property(definitions ${target} COMPILE_DEFINITIONS)
        if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY)$" AND NOT "QT_STATICPLUGIN" IN_LIST definitions)
            waylore_links_transitively(${target} Qt6::Gui gui)
            if(gui)
                list(APPEND users ${target})
            endif()
        endif()
    endforeach()
    if(NOT users)
        return()
    endif()
    set(source ${CMAKE_BINARY_DIR}/waylore_qtheaders.cpp)
    if(NOT EXISTS ${source})
        file(WRITE ${source} "")
    endif()
    add_library(waylore_qtheaders OBJECT ${source})
    set_target_properties(waylore_qtheaders PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    target_link_libraries(waylore_qtheaders PRIVATE Qt6::Core Qt6::Gui)
    target_precompile_headers(waylore_qtheaders PRIVATE <QtCore> <QtGui>)
    # The suites compile at their own level (WAYLORE_SUITE_FLAG): they take headers precompiled
    # at it, since a compiler refuses headers precompiled with optimization for code without.
    if(WAYLORE_SUITE_FLAG)
        add_library(waylore_suiteheaders OBJECT ${source})
        set_target_properties(waylore_suiteheaders PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
        target_link_libraries(waylore_suiteheaders PRIVATE Qt6::Core Qt6::Gui)
        target_compile_options(waylore_suiteheaders PRIVATE ${WAYLORE_SUITE_FLAG})
        target_precompile_headers(waylore_suiteheaders PRIVATE <QtCore> <QtGui>)
    endif()
    # The project's path is compared as a path, never pasted into a regular expression: a clone
    # in a folder named "c++" would not configure, and any other "+" or "." would match wrongly.
    set(suites_dir ${PROJECT_SOURCE_DIR}/tests)
    foreach(target ${users})
        get_target_property(target_source_dir ${target} SOURCE_DIR)
        cmake_path(IS_PREFIX suites_dir "${target_source_dir}" NORMALIZE is_suite)
        if(WAYLORE_SUITE_FLAG AND is_suite)
            target_precompile_headers(${target} REUSE_FROM waylore_suiteheaders)
        else()
            target_precompile_headers(${target} REUSE_FROM waylore_qtheaders)
        endif()
        target_compile_options(${target} PRIVATE -Werror=invalid-pch)
        # Suites and benchmarks include their own moc output: their moc file is mostly empty, and
        # loading the precompiled headers would take longer than compiling it bare.
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "EXECUTABLE")
            get_target_property(binary_dir ${target} BINARY_DIR)
            set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
                TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
        endif()
    endforeach()
endfunction()

# waylore_unity_libraries(<folder>...): with WAYLORE_UNITY_BUILD on, the static libraries of these
# folders (and their subfolders) compile their sources in batches, each batch one translation unit:
# the headers every source of a library includes are then parsed once per batch instead of once per
# source. CI builds so, twice over with two compilers; the everyday build keeps one unit per source,
# so that a source that compiles only after a neighbour's includes still fails there.
function(waylore_unity_libraries)
    if(NOT WAYLORE_UNITY_BUILD)
        return()
    endif()
    waylore_folder_targets(targets ${ARGN})
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "STATIC_LIBRARY")
            set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 16)
            # A batch includes its sources as GCC includes headers, and GCC then takes a class of
            # one source with a member of that source's anonymous namespace for one that other
            # files could see.
            if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
                target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
            endif()
        endif()
    endforeach()
endfunction()
