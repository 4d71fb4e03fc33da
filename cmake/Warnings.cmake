# Warnings are errors in every build; sanitizers in the native one.
add_library(taoci_warnings INTERFACE)
target_compile_options(taoci_warnings INTERFACE
  -Wall -Wextra -Werror -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
  $<$<COMPILE_LANGUAGE:CXX>:-Woverloaded-virtual>)

if(TAOCI_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  # One self-contained program: the C and C++ run-times and winpthread inside.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()
