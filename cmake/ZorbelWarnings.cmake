option(ZORBEL_WARNINGS_AS_ERRORS "Turn the compiler's warnings into errors (on in CI)" OFF)

add_library(zorbel_warnings INTERFACE)
if(MSVC)
  target_compile_options(zorbel_warnings INTERFACE /W4)
  if(ZORBEL_WARNINGS_AS_ERRORS)
    target_compile_options(zorbel_warnings INTERFACE /WX)
  endif()
else()
  target_compile_options(zorbel_warnings INTERFACE -Wall -Wextra -Wpedantic)
  if(ZORBEL_WARNINGS_AS_ERRORS)
    target_compile_options(zorbel_warnings INTERFACE -Werror)
  endif()
endif()
# GCC 12 warns of overlapping copies inside std::string's operator+ once inlined at -O2
# (GCC bug 105329, a false positive fixed in GCC 13).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(zorbel_warnings INTERFACE -Wno-restrict)
endif()

if(ZORBEL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
