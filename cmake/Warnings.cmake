# Warnings as errors on GCC and Clang for every target of the project.
add_library(pipetrim_warnings INTERFACE)
target_compile_options(pipetrim_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Wnon-virtual-dtor
  -Wold-style-cast -Woverloaded-virtual -Werror)
