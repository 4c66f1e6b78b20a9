# -DTAVREL_SANITIZE=ON builds every target with ASan and UBSan; UBSan findings abort
# so that ctest reports them as failures instead of printing and carrying on.
if(TAVREL_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${_san})
  add_link_options(${_san})
endif()
