# -DORVANE_FUZZ=ON (with clang++) builds every target with the fuzzer's coverage instrumentation,
# AddressSanitizer and UndefinedBehaviorSanitizer, and adds the libFuzzer targets in fuzz/. The same
# build serves the tests: their programs link the sanitizers' runtime, which takes the coverage
# callbacks that only the fuzz targets use.
option(ORVANE_FUZZ "Build the libFuzzer targets (clang++ only) with ASan and UBSan" OFF)
if(ORVANE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ORVANE_FUZZ needs clang++: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
