#ifndef FRACTION_DETAIL_ADDRESS_SANITIZER_H
#define FRACTION_DETAIL_ADDRESS_SANITIZER_H

// Whether AddressSanitizer's runtime is in the process, for the libraries'
// caches of freed blocks: AddressSanitizer reports a use after free only for
// blocks its own allocator holds in quarantine, and one kept in a cache
// would be handed on unreported, so with its runtime every block goes to the
// heap and back. Not part of the libraries' interface.

#if defined(__ELF__)
// Defined by AddressSanitizer's runtime, wherever it is in the process: a
// library may be built without instrumentation and linked into a program
// built with it. Weak, so that without the runtime its address is null.
// NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl*,readability-identifier-naming)
extern "C" __attribute__((weak)) int __asan_address_is_poisoned(void const volatile* address);
#endif

namespace fraction::detail {

// Weak undefined symbols are an ELF matter: elsewhere only an instrumented
// build of the library knows (MinGW's GCC has no AddressSanitizer at all).
inline bool AddressSanitizerPresent() {
#if defined(__ELF__)
  return &__asan_address_is_poisoned != nullptr;
#elif defined(__SANITIZE_ADDRESS__)
  return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return true;
#else
  return false;
#endif
#else
  return false;
#endif
}

}  // namespace fraction::detail

#endif  // FRACTION_DETAIL_ADDRESS_SANITIZER_H
