include_guard(GLOBAL)

# VELA_SANITIZE takes the -fsanitize= list (for example "address,undefined" or "thread") and applies it to every
# target, JUCE's modules and the DSP framework included, so that a fault in shared code is caught where it is.
# VELA_FUZZ (clang only) adds libFuzzer's coverage to the same code and builds the fuzz targets in fuzz/.
set(VELA_SANITIZE "" CACHE STRING "Sanitizers for every target, as -fsanitize= takes them; empty for none")
option(VELA_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(VELA_SANITIZE)
    # Any report fails the run, and the stacks are readable.
    add_compile_options(-fsanitize=${VELA_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
    add_link_options(-fsanitize=${VELA_SANITIZE})
endif()

if(VELA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "VELA_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

