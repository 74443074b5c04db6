# Warnings as errors for every target of the project; third-party headers come in as system headers.
add_compile_options(-Wall -Wextra -Wpedantic -Werror -Wno-unused-parameter)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_compile_options(-Wno-gnu-zero-variadic-macro-arguments)
endif()
