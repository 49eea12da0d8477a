# Warnings as errors on GCC and Clang for every target of the project.
add_library(pipetrim_warnings INTERFACE)
target_compile_options(pipetrim_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Wnon-virtual-dtor
  -Wold-style-cast -Woverloaded-virtual -Werror
  # When optimising, GCC 12 reports false overlaps inside libstdc++'s string assignment (GCC bug
  # 105329) and strings inside std::variant as maybe uninitialised (GCC bug 107138); neither says
  # anything about our code.
  $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict
  -Wno-maybe-uninitialized>)
