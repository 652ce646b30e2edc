# Builds for 64-bit ARM Linux with Debian's cross compilers (crossbuild-essential-arm64), against the arm64
# libraries of multiarch -dev packages (scripts/install-deps.sh). Programs built here run under qemu-user: the
# tests through ctest, and JUCE's LV2 helper, which loads the built plug-in to write its descriptions.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# libc6:arm64 puts the loader where qemu looks for it (/lib/ld-linux-aarch64.so.1), so no -L is needed. Cached,
# so that the scripts that run built programs outside CMake (packaging/stage.sh) read it from CMakeCache.txt.
find_program(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static REQUIRED)

# pkg-config reads the arm64 packages' .pc files, not this machine's.
set(ENV{PKG_CONFIG_LIBDIR} "/usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig")
