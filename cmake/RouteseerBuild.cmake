# What every one of routeseer's own targets is built with: the warnings, full read-only relocations,
# and the sanitizers when asked for. All of it is private to the target, so nothing reaches a
# project that links one of routeseer's libraries; checked buffer functions (_FORTIFY_SOURCE) are
# the distribution's or the builder's flags to give.
function(routeseer_own_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(ROUTESEER_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(ROUTESEER_SANITIZING)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all
      -fno-omit-frame-pointer)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    # Every symbol bound at start, so the tables that hold them can be made read-only.
    target_link_options(${target} PRIVATE LINKER:-z,relro,-z,now)
    if(ROUTESEER_SANITIZING)
      target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
  endif()
endfunction()
