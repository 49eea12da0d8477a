# Warnings as errors on GCC and Clang for every target of the project.
add_library(pipetrim_warnings INTERFACE)
target_compile_options(pipetrim_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Wnon-virtual-dtor
  -Wold-style-cast -Woverloaded-virtual -Werror
  # GCC 12 reports false overlaps inside libstdc++'s string assignment when optimising
  # (GCC bug 105329); the warning says nothing about our code there.
  $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)
