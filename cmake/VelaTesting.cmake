include_guard(GLOBAL)

# Tests and tools that link the plug-in's shared code need its include folders and module settings,
# which JUCE keeps private to the shared-code target.
function(vela_link_shared_code target)
    target_link_libraries(${target} PRIVATE Vela)
    target_include_directories(${target} PRIVATE $<TARGET_PROPERTY:Vela,INCLUDE_DIRECTORIES>)
    target_compile_definitions(${target} PRIVATE $<TARGET_PROPERTY:Vela,COMPILE_DEFINITIONS>)
endfunction()

# A program that loads the built VST3, VST2 and LV2 binaries with JUCE's own hosting classes, as a host would,
# through tests/plugin-host/HostedPlugin.h, with a main of its own. It links none of the plug-in's code.
function(vela_add_plugin_hosting target)
    set(host_dir "${PROJECT_SOURCE_DIR}/tests/plugin-host")
    juce_add_console_app(${target})
    target_sources(${target} PRIVATE "${host_dir}/HostedPlugin.cpp" ${ARGN})
    target_include_directories(${target} PRIVATE "${host_dir}")

    target_compile_definitions(${target} PRIVATE
        JUCE_PLUGINHOST_VST=1
        JUCE_PLUGINHOST_VST3=1
        JUCE_PLUGINHOST_LV2=1
        JUCE_MODAL_LOOPS_PERMITTED=1
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=0
        JUCE_USE_FLAC=0
        JUCE_USE_OGGVORBIS=0
        VELA_VST3_BUNDLE="$<TARGET_GENEX_EVAL:Vela_VST3,$<TARGET_PROPERTY:Vela_VST3,JUCE_PLUGIN_ARTEFACT_FILE>>"
        VELA_VST2_LIBRARY="$<TARGET_FILE:Vela_VST>"
        VELA_LV2_BUNDLE="$<TARGET_FILE_DIR:Vela_LV2>"
        VELA_FACTORY_PRESETS_DIR="${PROJECT_SOURCE_DIR}/resources/presets")

    # JUCE's VST 2 host compiles against these headers instead of cmake/vst2-shim (see aeffect.h there), taking
    # only the opcode numbers from the latter.
    # -Wno-cpp: the FST headers carry #warning notes about their own provenance.
    target_include_directories(${target} PRIVATE "${host_dir}/vst2-hosting-shim" "${PROJECT_SOURCE_DIR}/cmake/vst2-shim")
    target_compile_options(${target} PRIVATE -Wno-cpp)

    target_link_libraries(${target} PRIVATE
        juce::juce_audio_processors
        juce::juce_recommended_config_flags
        GTest::gtest
        ${CMAKE_DL_LIBS})

    add_dependencies(${target} Vela_VST Vela_VST3 Vela_LV2)

    # Plug-in entry points and lilv's callbacks are called through C function types that describe the same calls
    # with other C++ types; clang's function-type check of UndefinedBehaviourSanitizer would stop at each of them.
    if(VELA_SANITIZE AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        target_compile_options(${target} PRIVATE -fno-sanitize=function)
    endif()
endfunction()

# The same, as a GoogleTest program whose message thread is the test thread.
function(vela_add_plugin_host target)
    vela_add_plugin_hosting(${target} "${PROJECT_SOURCE_DIR}/tests/plugin-host/HostMain.cpp" ${ARGN})
endfunction()
