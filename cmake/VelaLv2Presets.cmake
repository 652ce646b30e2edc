# JUCE writes the LV2 bundle's preset list from the program list the plug-in shows whoever builds it, that is
# from the builder's own preset folder. Write it again from a home without one, where the plug-in writes the
# factory bank it carries, so that every build of the bundle lists the same presets, in the order an installed
# factory bank has, each with the state it loads (cmake/juce-patches/lv2-presets-carry-their-state.patch).
set(VELA_LV2_MANIFEST_HOME "${CMAKE_CURRENT_BINARY_DIR}/lv2-manifest-home")

add_custom_command(TARGET Vela_LV2 POST_BUILD
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${VELA_LV2_MANIFEST_HOME}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${VELA_LV2_MANIFEST_HOME}"
    COMMAND "${CMAKE_COMMAND}" -E env "HOME=${VELA_LV2_MANIFEST_HOME}"
            ${CMAKE_CROSSCOMPILING_EMULATOR} "$<TARGET_FILE:juce_lv2_helper>" "$<TARGET_FILE:Vela_LV2>"
    VERBATIM)
