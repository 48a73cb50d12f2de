#include <windows.h>

#include <cstdlib>

#include "console.h"

namespace demo::console {

void SetTitle(const char* title) { SetConsoleTitleA(title); }

void Pause() { std::system("pause"); }

}  // namespace demo::console
