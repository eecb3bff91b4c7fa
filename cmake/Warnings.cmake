# Our own targets build warning-free; third-party headers come in as system includes.
# GCC 12 reports false -Wrestrict and -Warray-bounds findings inside std::string and std::vector
# code once inlined at -O2 and -O3 (RelWithDebInfo, Release); they stay warnings there, not errors.
function(orvane_warnings target)
  set(gcc12 $<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror
                         "$<${gcc12}:-Wno-error=restrict;-Wno-error=array-bounds>")
endfunction()
