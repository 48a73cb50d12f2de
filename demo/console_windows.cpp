#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "console.h"
#include "fraction/console_text.h"

namespace demo::console {
namespace {

// The console's output code page as the program found it.
UINT saved_output_code_page = 0;

void RestoreOutputCodePage() { SetConsoleOutputCP(saved_output_code_page); }

// Ctrl+C, Ctrl+Break or closing the window end the process without running
// the atexit functions.
BOOL WINAPI RestoreOnConsoleEvent(DWORD /*event*/) {
  RestoreOutputCodePage();
  return FALSE;  // the default handler still ends the process
}

// The code page of the bytes the library writes: the C locale's when it
// holds the text, UTF-8 otherwise. The program's texts are Cyrillic and
// ASCII, so one Cyrillic letter tells which way the library goes.
UINT CodePageOfOutput() {
  const UINT locale_code_page = ___lc_codepage_func();  // 0 in the "C" locale
  if (locale_code_page == 0 || fraction::EncodeForConsole(L"Д") == "\xD0\x94") {
    return CP_UTF8;
  }
  return locale_code_page;
}

}  // namespace

void PrepareOutput() {
  // Redirected output is left as it is: the program's bytes, in text mode.
  DWORD mode = 0;
  if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) == 0) {
    return;
  }
  // Text mode would have the C runtime decode each character by the
  // locale's code page and re-encode it for the console, which garbles the
  // UTF-8 the library writes where the locale cannot hold the text. Binary
  // mode hands the bytes over as they are (the console still starts a new
  // line at a bare LF), and a buffer hands them over whole: unbuffered, each
  // byte is a write of its own, and a UTF-8 character split across writes
  // shows as U+FFFD. The program flushes at the end of each line.
  _setmode(_fileno(stdout), _O_BINARY);
  std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);
  const UINT previous = GetConsoleOutputCP();
  const UINT wanted = CodePageOfOutput();
  if (wanted == previous || SetConsoleOutputCP(wanted) == 0) {
    return;
  }
  saved_output_code_page = previous;
  std::atexit(RestoreOutputCodePage);
  SetConsoleCtrlHandler(RestoreOnConsoleEvent, TRUE);
}

void SetTitle(const char* title) { SetConsoleTitleA(title); }

// The command interpreter's own prompt, in the system's language; cmd
// writes it to a console as UTF-16, so the output code page set above does
// not garble it.
void Pause() {
  std::fflush(stdout);  // before another process writes to the console
  std::system("pause");
}

}  // namespace demo::console
