# Warning flags applied to every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
if(TAVREL_WERROR)
  add_compile_options(-Werror)
endif()
