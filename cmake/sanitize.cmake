# AddressSanitizer and UndefinedBehaviorSanitizer over everything the build
# makes, for the suite's sanitizer run (scripts/setup.sh test builds it into
# build-asan/). Undefined behaviour stops the program at its first report, so
# a test cannot pass over one; frame pointers keep the reports' stacks whole.
option(KOLVEN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(KOLVEN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
