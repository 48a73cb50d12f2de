#ifndef FRACTION_DEMO_CONSOLE_H
#define FRACTION_DEMO_CONSOLE_H

// The few console services the demo needs beyond standard output. One file
// implements them per platform: console_posix.cpp and console_windows.cpp.
namespace demo::console {

// Makes the console display the text the program writes in the encoding
// of the C locale (or UTF-8: see fraction::EncodeForConsole); call it after
// setlocale. Leaves the console as it found it when the program exits.
void PrepareOutput();

// Sets the console window's title.
void SetTitle(const char* title);

// Writes the command interpreter's pause prompt and waits for one key.
void Pause();

}  // namespace demo::console

#endif  // FRACTION_DEMO_CONSOLE_H
