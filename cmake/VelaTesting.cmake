include_guard(GLOBAL)

# Tests and tools that link the plug-in's shared code need its include folders and module settings,
# which JUCE keeps private to the shared-code target.
function(vela_link_shared_code target)
    target_link_libraries(${target} PRIVATE Vela)
    target_include_directories(${target} PRIVATE $<TARGET_PROPERTY:Vela,INCLUDE_DIRECTORIES>)
    target_compile_definitions(${target} PRIVATE $<TARGET_PROPERTY:Vela,COMPILE_DEFINITIONS>)
endfunction()
