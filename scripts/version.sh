# Sets version to Vela's version, from the project() line of the top CMakeLists.txt; sourced after root is set.
version="$(sed -n 's/^project(Vela VERSION \([0-9.]*\) .*/\1/p' "$root/CMakeLists.txt")"
