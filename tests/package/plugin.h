#ifndef FRACTION_CONSUMER_PLUGIN_H
#define FRACTION_CONSUMER_PLUGIN_H

#include <string>

// 1/2 + 1/3 as text, worked out inside the consumer's shared library.
std::string PluginSum();

#if defined(FRACTION_CONSUMER_BIG)
// 1/1 + 1/2 + ... + 1/25 as a BigFraction's text, likewise: its per-thread
// cache of large values is thread-local storage too.
std::string PluginBigSum();
#endif

#endif  // FRACTION_CONSUMER_PLUGIN_H
