# -DORVANE_SANITIZE=ON builds everything with AddressSanitizer and UndefinedBehaviorSanitizer.
option(ORVANE_SANITIZE "Build with ASan and UBSan" OFF)
if(ORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# -DORVANE_TSAN=ON builds everything with ThreadSanitizer (it cannot be combined with ASan).
option(ORVANE_TSAN "Build with ThreadSanitizer" OFF)
if(ORVANE_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
