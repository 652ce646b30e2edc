# Loads Debian's JUCE 7.0.5 the way its package config does, but with the modules taken from a copy in the build
# tree that carries our fixes from cmake/juce-patches. Every target that uses JUCE, the plug-in and the test hosts
# alike, builds against that one copy. It sits at the same place under every build folder, so that compiler caches
# based on the source root still hit.
include_guard(GLOBAL)

# JUCE's CMake scripts and juceaide are this machine's, also in a build for another processor: juceaide runs here.
find_path(VELA_JUCE_CMAKE_DIR JUCEModuleSupport.cmake
    PATH_SUFFIXES "lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake/JUCE-7.0.5" lib/cmake/JUCE-7.0.5
    NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(VELA_JUCE_DEBIAN_MODULES juce_core/juce_core.h PATHS /usr/share/juce/modules REQUIRED NO_DEFAULT_PATH)
find_program(VELA_PATCH patch REQUIRED)

set(VELA_JUCE_MODULES "${CMAKE_BINARY_DIR}/juce-modules")
file(GLOB vela_juce_patches CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/juce-patches/*.patch")
list(SORT vela_juce_patches)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${vela_juce_patches})

# The copy is made again only when the patches change, so that its files keep their times between configures.
# Its files then all take the time of the copy (cp without -p): a file a dropped patch gives back its Debian
# time would otherwise look older than the objects built from its patched form.
set(vela_juce_fingerprint "${VELA_JUCE_DEBIAN_MODULES}")
foreach(patch_file IN LISTS vela_juce_patches)
    file(SHA256 "${patch_file}" patch_hash)
    string(APPEND vela_juce_fingerprint "\n${patch_hash}")
endforeach()

set(vela_juce_stamp "${VELA_JUCE_MODULES}/.vela-patches")
set(vela_juce_applied "")
if(EXISTS "${vela_juce_stamp}")
    file(READ "${vela_juce_stamp}" vela_juce_applied)
endif()

if(NOT vela_juce_applied STREQUAL vela_juce_fingerprint)
    file(REMOVE_RECURSE "${VELA_JUCE_MODULES}")
    execute_process(COMMAND cp -R "${VELA_JUCE_DEBIAN_MODULES}" "${VELA_JUCE_MODULES}" COMMAND_ERROR_IS_FATAL ANY)
    foreach(patch_file IN LISTS vela_juce_patches)
        execute_process(
            COMMAND "${VELA_PATCH}" --batch --forward --quiet -p1 -d "${VELA_JUCE_MODULES}" -i "${patch_file}"
            RESULT_VARIABLE patch_result)
        if(NOT patch_result EQUAL 0)
            file(REMOVE_RECURSE "${VELA_JUCE_MODULES}")
            message(FATAL_ERROR "${patch_file} does not apply to ${VELA_JUCE_DEBIAN_MODULES}")
        endif()
    endforeach()
    file(WRITE "${vela_juce_stamp}" "${vela_juce_fingerprint}")
endif()

# What Debian's JUCEConfig.cmake does, with the module folder changed.
include("${VELA_JUCE_CMAKE_DIR}/LV2_HELPER.cmake")
if(NOT TARGET juce::juceaide)
    add_executable(juce::juceaide IMPORTED)
    set_target_properties(juce::juceaide PROPERTIES
        IMPORTED_LOCATION "${VELA_JUCE_CMAKE_DIR}/../../juce/juceaide")
endif()

set(JUCE_MODULES_DIR "${VELA_JUCE_MODULES}" CACHE INTERNAL "The path to JUCE modules")
include("${VELA_JUCE_CMAKE_DIR}/JUCEModuleSupport.cmake")
include("${VELA_JUCE_CMAKE_DIR}/JUCEUtils.cmake")

file(GLOB vela_juce_module_names RELATIVE "${VELA_JUCE_MODULES}" "${VELA_JUCE_MODULES}/juce_*")
foreach(module_name IN LISTS vela_juce_module_names)
    juce_add_module("${VELA_JUCE_MODULES}/${module_name}" ALIAS_NAMESPACE juce)
endforeach()
