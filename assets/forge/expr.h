// Arithmetic expressions inside SVG sources: "{= 80 - 30*abs(sin(pi*t)) =}".
#pragma once
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace forge {

struct ExprError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

using Variables = std::map<std::string, double, std::less<>>;

// Evaluates numbers, + - * /, unary minus, parentheses, the given variables, the constant pi
// and the functions sin cos abs floor min max. Throws ExprError on any mistake.
double Evaluate(std::string_view text, const Variables& vars);

// Prints a value with at most 4 decimals and no trailing zeros ("12", "0.5", "-3.1416").
std::string FormatNumber(double v);

// Replaces every "{= EXPR =}" in `text` by its value. Throws ExprError naming the line.
std::string Substitute(std::string_view text, const Variables& vars);

}  // namespace forge
