#include <clocale>
#include <iostream>

#include "console.h"
#include "fraction/console_text.h"
#include "showcase.h"

int main() {
  demo::console::SetTitle("Vemlo");
  std::setlocale(LC_ALL, "");
  demo::console::PrepareOutput();

  fraction::WriteToConsole(L"Лабораторная работа №1\n");
  fraction::WriteToConsole(L"Абстрактный тип данных - Дробь\n");

  std::cout.setf(std::ios_base::boolalpha);
  demo::FractionStore store;
  const demo::DemoFractions fractions = demo::ShowConstructions(std::cout, store);
  demo::ShowOperations(std::cout, fractions, store);

  demo::console::Pause();
  return 0;
}
