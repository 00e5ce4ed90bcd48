# The hardening a distribution builds its packages with: checked variants of
# the C library's string and memory functions, stack protectors, and
# relocations made read-only before the program starts (full RELRO). Only
# optimised builds: the checked functions need optimisation, and the
# sanitizer and fuzz builds find the same faults their own way.
if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$" AND NOT VANTREL_SANITIZE AND NOT VANTREL_FUZZ)
  add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
