# Our own targets build warning-free; third-party headers come in as system includes.
# GCC 12 reports -Wrestrict and -Warray-bounds false positives inside std::string and std::vector
# at -O2 and -O3 (its own library code, not ours), so those two checks are left to the other
# compilers (the fuzz build uses clang) and to the sanitizers.
function(orvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror
                         "$<$<CXX_COMPILER_ID:GNU>:-Wno-restrict;-Wno-array-bounds>")
endfunction()
