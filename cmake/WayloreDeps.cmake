# Where the dependencies that Debian 12 does not package live: scripts/setup.sh puts them there
# and the build finds them there, both through this file. WAYLORE_DEPS in the environment moves
# them; a build tree keeps the place it was configured with until configured again with the
# variable set.
set(WAYLORE_GRANTLEE_VERSION 5.3.1)
set(WAYLORE_FONTAWESOME_VERSION 6.7.2)
if(NOT "$ENV{WAYLORE_DEPS}" STREQUAL "")
    set(WAYLORE_DEPS "$ENV{WAYLORE_DEPS}" CACHE PATH "Folder of Grantlee and Font Awesome" FORCE)
else()
    set(WAYLORE_DEPS "/opt/waylore-deps" CACHE PATH "Folder of Grantlee and Font Awesome")
endif()
set(GRANTLEE_PREFIX "${WAYLORE_DEPS}/grantlee-${WAYLORE_GRANTLEE_VERSION}-qt6")
set(FONTAWESOME_DIR "${WAYLORE_DEPS}/fontawesome-free-${WAYLORE_FONTAWESOME_VERSION}/package")

# cmake -P cmake/WayloreDeps.cmake: the same as shell assignments, for scripts/setup.sh.
if(CMAKE_SCRIPT_MODE_FILE)
    foreach(name WAYLORE_DEPS WAYLORE_GRANTLEE_VERSION WAYLORE_FONTAWESOME_VERSION GRANTLEE_PREFIX FONTAWESOME_DIR)
        execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${name}=${${name}}")
    endforeach()
endif()
