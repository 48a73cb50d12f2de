// The invalid-data message and its one writer, which the inline two-integer
// constructor calls from users' code.
#include "fraction/tfrac.h"

#include "fraction/console_text.h"

namespace fraction {

const wchar_t* TFrac::InvalidDataMessage() { return L"Неверно введены данные!"; }

void detail::ReportInvalidData() { WriteToConsole(TFrac::InvalidDataMessage()); }

}  // namespace fraction
