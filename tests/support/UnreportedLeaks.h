#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define BROVIK_LEAK_CHECKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(leak_sanitizer)
#define BROVIK_LEAK_CHECKS 1
#endif
#endif

#ifdef BROVIK_LEAK_CHECKS
#include <sanitizer/lsan_interface.h>
#endif

namespace brovik::test {

// What is allocated while one lives is never reported as a leak. Only for a path a test
// must take on which a third-party library is known to leak; say which, and why.
class UnreportedLeaks {
public:
#ifdef BROVIK_LEAK_CHECKS
    UnreportedLeaks() { __lsan_disable(); }
    ~UnreportedLeaks() { __lsan_enable(); }
#else
    UnreportedLeaks() = default;
#endif
    UnreportedLeaks(const UnreportedLeaks&) = delete;
    UnreportedLeaks& operator=(const UnreportedLeaks&) = delete;
};

}  // namespace brovik::test
