# Flags every target of ours shares. The sound must come out the same on both
# targets, so floating point stays in single-precision SSE without contraction.
# The math functions never set errno, which lets rounding compile to instructions.
add_library(tarvolin_settings INTERFACE)
target_compile_options(tarvolin_settings INTERFACE -Wall -Wextra -ffp-contract=off -fno-math-errno)

if(CMAKE_SYSTEM_PROCESSOR MATCHES "i[3-6]86")
    target_compile_options(tarvolin_settings INTERFACE -msse2 -mfpmath=sse)
endif()

if(TARVOLIN_SANITIZE)
    target_compile_options(tarvolin_settings INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(tarvolin_settings INTERFACE -fsanitize=address,undefined)
endif()

if(TARVOLIN_SANITIZE_THREAD)
    target_compile_options(tarvolin_settings INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
    target_link_options(tarvolin_settings INTERFACE -fsanitize=thread)
endif()

# Every library carries the fuzzer's coverage instrumentation; only the fuzz
# targets link libFuzzer's driver.
if(TARVOLIN_FUZZ)
    target_compile_options(tarvolin_settings INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(tarvolin_settings INTERFACE -fsanitize=address,undefined)
endif()
