# -DTAVREL_SANITIZE=ON builds every target with ASan and UBSan; UBSan findings abort
# so that ctest reports them as failures instead of printing and carrying on.
# TAVREL_SANITIZERS narrows the list, e.g. "undefined" for a long fuzzing
# campaign, where ASan would halve the executions (its corpus is then replayed
# under both sanitizers, see fuzz/run.sh).
set(TAVREL_SANITIZERS "address,undefined" CACHE STRING "The -fsanitize= list of a TAVREL_SANITIZE build")
if(TAVREL_SANITIZE)
  set(_san -fsanitize=${TAVREL_SANITIZERS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${_san})
  add_link_options(${_san})
endif()
