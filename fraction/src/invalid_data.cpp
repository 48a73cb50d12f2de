#include "fraction/tfrac.h"

#include "fraction/console_text.h"

namespace fraction {

const wchar_t* TFrac::InvalidDataMessage() { return L"Неверно введены данные!"; }

void detail::ReportInvalidData() { WriteToConsole(TFrac::InvalidDataMessage()); }

}  // namespace fraction
