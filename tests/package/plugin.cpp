#include "plugin.h"

#include <fraction/tfrac.h>

#include <string>

// Add() makes its result on the heap, through the per-thread cache: the
// thread-local storage that only position-independent code can reach from
// a shared library.
std::string PluginSum() {
  const fraction::TFrac half(1, 2);
  const fraction::TFrac third(1, 3);
  return half.Add(&third)->ToString();
}
