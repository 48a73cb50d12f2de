#include "showcase.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace demo {
namespace {

using fraction::TFrac;

// Writes the pieces of one line, then ends it: a line feed and a flush.
void WriteLine(std::ostream& out, std::initializer_list<std::string> pieces) {
  for (const std::string& piece : pieces) {
    out << piece;
  }
  out << std::endl;
}

void WriteTruthLine(std::ostream& out, const TFrac* left, const char* relation, const TFrac* right,
                    bool truth) {
  out << left->ToString() << relation << right->ToString() << " ? " << truth << std::endl;
}

}  // namespace

TFrac* FractionStore::Keep(std::unique_ptr<TFrac> fraction) {
  kept_.push_back(std::move(fraction));
  return kept_.back().get();
}

DemoFractions ShowConstructions(std::ostream& out, FractionStore& store) {
  DemoFractions f{};
  f.F0 = store.Keep(std::make_unique<TFrac>());
  WriteLine(out, {"TFrac() -> ", f.F0->ToString()});
  f.F1 = store.Keep(std::make_unique<TFrac>(1, 2));
  WriteLine(out, {"TFrac(1, 2) -> ", f.F1->ToString()});
  f.F2 = store.Keep(std::make_unique<TFrac>(-1, 2));
  WriteLine(out, {"TFrac(-1, 2) -> ", f.F2->ToString()});
  f.F3 = store.Keep(std::make_unique<TFrac>(*f.F2));
  WriteLine(out, {"TFrac(F2) -> ", f.F3->ToString()});
  f.F4 = f.F2;
  WriteLine(out, {"F4 = *F2 -> ", f.F4->ToString()});
  f.F5 = store.Keep(std::make_unique<TFrac>("2/3"));
  WriteLine(out, {"F5 = 2/3 -> ", f.F5->ToString()});
  return f;
}

void ShowOperations(std::ostream& out, const DemoFractions& f, FractionStore& store) {
  using BinaryOperation = std::unique_ptr<TFrac> (TFrac::*)(const TFrac*) const;
  const auto binary = [&](const TFrac* left, BinaryOperation operation, const char* symbol,
                          const TFrac* right) {
    const TFrac* result = store.Keep((left->*operation)(right));
    WriteLine(out, {left->ToString(), symbol, right->ToString(), " = ", result->ToString()});
  };
  binary(f.F1, &TFrac::Add, " + ", f.F2);
  binary(f.F1, &TFrac::Add, " + ", f.F5);
  binary(f.F1, &TFrac::Subtract, " - ", f.F2);
  binary(f.F1, &TFrac::Subtract, " - ", f.F5);
  binary(f.F1, &TFrac::Multiply, " * ", f.F2);
  binary(f.F1, &TFrac::Multiply, " * ", f.F0);
  binary(f.F1, &TFrac::Divide, " / ", f.F2);
  binary(f.F1, &TFrac::Divide, " / ", f.F0);

  for (const TFrac* x : {f.F1, f.F2}) {
    const TFrac* square = store.Keep(x->Square());
    WriteLine(out, {x->ToString(), ".Square() = ", square->ToString()});
  }
  // Negating a copy leaves F1 and F2 as they are.
  for (const TFrac* x : {f.F1, f.F2}) {
    TFrac* negated = store.Keep(std::make_unique<TFrac>(*x))->Minus();
    WriteLine(out, {"-(", x->ToString(), ") = ", negated->ToString()});
  }
  for (const TFrac* x : {f.F0, f.F2}) {
    const TFrac* reciprocal = store.Keep(x->Reverse());
    WriteLine(out, {"1/(", x->ToString(), ") = ", reciprocal->ToString()});
  }

  WriteTruthLine(out, f.F1, " == ", f.F2, f.F1->Equal(f.F2));
  WriteTruthLine(out, f.F2, " == ", f.F3, f.F2->Equal(f.F3));
  WriteTruthLine(out, f.F1, " > ", f.F2, f.F1->Greater(f.F2));
  WriteTruthLine(out, f.F1, " > ", f.F5, f.F1->Greater(f.F5));
}

}  // namespace demo
