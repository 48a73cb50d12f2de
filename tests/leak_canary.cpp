// Loses one allocation on purpose. Under AddressSanitizer it runs as a test
// that passes only when LeakSanitizer reports the loss, so that leak
// detection cannot be switched off, or stop working, without notice.
#include <memory>

namespace {

// Volatile stores are never optimised away, so the allocation is made;
// after the second store nothing refers to it any more.
int* volatile sink = nullptr;

}  // namespace

int main() {
  sink = std::make_unique<int>(42).release();
  sink = nullptr;
  return 0;
}
