# Our own targets build warning-free; third-party headers come in as system includes.
# GCC 12 reports -Wrestrict false positives inside std::string at -O2 (its own
# library code, not ours), so that one check is left to the other compilers.
function(orvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)
endfunction()
