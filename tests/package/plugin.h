#ifndef FRACTION_CONSUMER_PLUGIN_H
#define FRACTION_CONSUMER_PLUGIN_H

#include <string>

// 1/2 + 1/3 as text, worked out inside the consumer's shared library.
std::string PluginSum();

#endif  // FRACTION_CONSUMER_PLUGIN_H
