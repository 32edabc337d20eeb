# Debian's hardening flags, as dpkg-buildflags gives them, for optimised builds on Linux: fortified
# libc calls, a stack protector, format-string checks, and read-only relocations bound at start.
# The compiler makes position-independent executables already. Sanitizer builds go without: they
# bring their own checks, and _FORTIFY_SOURCE hides calls from them.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang"
   AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security
                      "$<${optimised}:-U_FORTIFY_SOURCE>" "$<${optimised}:-D_FORTIFY_SOURCE=2>")
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
