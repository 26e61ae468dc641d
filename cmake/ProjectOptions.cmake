# Per-target settings shared by every target of the project.
#
# Reproducible single precision: no contraction of a*b+c into a fused
# multiply-add (it skips a rounding), and never -ffast-math.
function(tervol_set_project_options target)
  target_compile_options(${target} PRIVATE
    $<$<OR:$<CXX_COMPILER_ID:GNU>,$<CXX_COMPILER_ID:Clang>>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -ffp-contract=off>
    $<$<AND:$<BOOL:${TERVOL_WARNINGS_AS_ERRORS}>,$<OR:$<CXX_COMPILER_ID:GNU>,$<CXX_COMPILER_ID:Clang>>>:-Werror>)
endfunction()

# Same for targets whose own code is lenient about conversions (tests, tools).
function(tervol_set_relaxed_options target)
  target_compile_options(${target} PRIVATE
    $<$<OR:$<CXX_COMPILER_ID:GNU>,$<CXX_COMPILER_ID:Clang>>:-Wall -Wextra -ffp-contract=off>
    $<$<AND:$<BOOL:${TERVOL_WARNINGS_AS_ERRORS}>,$<OR:$<CXX_COMPILER_ID:GNU>,$<CXX_COMPILER_ID:Clang>>>:-Werror>)
endfunction()
