# The hardened build a Debian package is expected to have: fortified C
# library calls and stack protection in every object, read-only relocations
# bound at start-up in every program and plugin (position-independent
# executables are the compiler's default here). A sanitizer build leaves
# fortification out (it hides faults from the sanitizers), and so does an
# unoptimised one, where it has no effect.
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
if(NOT QUORIN_SANITIZE)
  add_compile_options($<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
endif()
add_link_options(LINKER:-z,relro LINKER:-z,now)
