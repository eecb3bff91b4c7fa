# Our own targets build warning-free; third-party headers come in as system includes.
# GCC 12 reports a false -Wrestrict inside std::string's assignment from a literal once inlined at
# -O2 (RelWithDebInfo, Release); it stays a warning there, not an error.
function(orvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror
                         $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-error=restrict>)
endfunction()
