#pragma once

#if defined(__SSE__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 1)
#include <xmmintrin.h>
#define TARVOLIN_HAS_MXCSR 1
#else
#define TARVOLIN_HAS_MXCSR 0
#endif

namespace tarvolin {

// Flushes subnormal results to zero and treats subnormal inputs as zero for
// the lifetime of the guard, then restores the caller's mode. Decaying filter
// states and release tails sink into the subnormal range, where x86 takes a
// slow path on every operation; values that small are silence anyway. Where
// there is no SSE control register the guard does nothing.
class DenormalGuard {
public:
    static constexpr unsigned kFlushToZero = 0x8000u;
    static constexpr unsigned kDenormalsAreZero = 0x0040u;

    DenormalGuard() noexcept {
#if TARVOLIN_HAS_MXCSR
        saved_ = _mm_getcsr();
        _mm_setcsr(saved_ | kFlushToZero | kDenormalsAreZero);
#endif
    }

    ~DenormalGuard() {
#if TARVOLIN_HAS_MXCSR
        _mm_setcsr(saved_);
#endif
    }

    DenormalGuard(const DenormalGuard&) = delete;
    DenormalGuard& operator=(const DenormalGuard&) = delete;

    // Whether this build can flush at all (x86 with SSE).
    static constexpr bool isEffective() noexcept {
        return TARVOLIN_HAS_MXCSR != 0;
    }

private:
    [[maybe_unused]] unsigned saved_ = 0;
};

} // namespace tarvolin

#undef TARVOLIN_HAS_MXCSR
