#include "expr.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace forge {
namespace {

// Recursive descent over: sum := product (('+'|'-') product)*
//                         product := unary (('*'|'/') unary)*
//                         unary := '-' unary | '+' unary | primary
//                         primary := number | name | name '(' args ')' | '(' sum ')'
class Parser {
 public:
  Parser(std::string_view text, const Variables& vars) : s_(text), vars_(vars) {}

  double Parse() {
    double v = Sum();
    Skip();
    if (pos_ != s_.size()) Fail("unexpected '" + std::string(1, s_[pos_]) + "'");
    return v;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw ExprError(what + " in expression '" + std::string(s_) + "'");
  }

  void Skip() {
    while (pos_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[pos_]))) ++pos_;
  }

  bool Accept(char c) {
    Skip();
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  double Sum() {
    double v = Product();
    for (;;) {
      if (Accept('+')) {
        v += Product();
      } else if (Accept('-')) {
        v -= Product();
      } else {
        return v;
      }
    }
  }

  double Product() {
    double v = Unary();
    for (;;) {
      if (Accept('*')) {
        v *= Unary();
      } else if (Accept('/')) {
        double d = Unary();
        if (d == 0) Fail("division by zero");
        v /= d;
      } else {
        return v;
      }
    }
  }

  double Unary() {
    if (Accept('-')) return -Unary();
    if (Accept('+')) return Unary();
    return Primary();
  }

  double Primary() {
    Skip();
    if (pos_ >= s_.size()) Fail("unexpected end");
    char c = s_[pos_];
    if (c == '(') {
      ++pos_;
      double v = Sum();
      if (!Accept(')')) Fail("missing ')'");
      return v;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') return Number();
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') return Name();
    Fail("unexpected '" + std::string(1, c) + "'");
  }

  double Number() {
    std::string digits;
    size_t start = pos_;
    while (pos_ < s_.size() &&
           (std::isdigit(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '.')) {
      ++pos_;
    }
    // An exponent only when a digit (after an optional sign) follows the 'e'.
    if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
      size_t p = pos_ + 1;
      if (p < s_.size() && (s_[p] == '+' || s_[p] == '-')) ++p;
      if (p < s_.size() && std::isdigit(static_cast<unsigned char>(s_[p]))) {
        pos_ = p;
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
      }
    }
    digits.assign(s_.substr(start, pos_ - start));
    char* end = nullptr;
    double v = std::strtod(digits.c_str(), &end);
    if (end != digits.c_str() + digits.size() || digits == ".") {
      Fail("bad number '" + digits + "'");
    }
    return v;
  }

  double Name() {
    size_t start = pos_;
    while (pos_ < s_.size() &&
           (std::isalnum(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_')) {
      ++pos_;
    }
    std::string name(s_.substr(start, pos_ - start));
    if (Accept('(')) {
      std::vector<double> args;
      if (!Accept(')')) {
        do {
          args.push_back(Sum());
        } while (Accept(','));
        if (!Accept(')')) Fail("missing ')' after the arguments of " + name);
      }
      return Call(name, args);
    }
    if (auto it = vars_.find(name); it != vars_.end()) return it->second;
    if (name == "pi") return std::numbers::pi;
    Fail("unknown name '" + name + "'");
  }

  double Call(const std::string& name, const std::vector<double>& a) {
    auto one = [&]() {
      if (a.size() != 1) Fail(name + " takes one argument");
      return a[0];
    };
    if (name == "sin") return std::sin(one());
    if (name == "cos") return std::cos(one());
    if (name == "abs") return std::fabs(one());
    if (name == "floor") return std::floor(one());
    if (name == "min" || name == "max") {
      if (a.empty()) Fail(name + " needs arguments");
      double v = a[0];
      for (double x : a) v = name == "min" ? std::fmin(v, x) : std::fmax(v, x);
      return v;
    }
    Fail("unknown function '" + name + "'");
  }

  std::string_view s_;
  const Variables& vars_;
  size_t pos_ = 0;
};

}  // namespace

double Evaluate(std::string_view text, const Variables& vars) {
  double v = Parser(text, vars).Parse();
  if (!std::isfinite(v)) throw ExprError("the value of '" + std::string(text) + "' is not finite");
  return v;
}

std::string FormatNumber(double v) {
  double r = std::round(v * 10000.0) / 10000.0;
  if (r == 0) r = 0;  // no "-0"
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.4f", r);
  std::string s = buf;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

std::string Substitute(std::string_view text, const Variables& vars) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  for (;;) {
    size_t open = text.find("{=", pos);
    if (open == std::string_view::npos) {
      out.append(text.substr(pos));
      return out;
    }
    size_t line = 1;
    for (size_t i = 0; i < open; ++i) line += text[i] == '\n';
    size_t close = text.find("=}", open + 2);
    if (close == std::string_view::npos) {
      throw ExprError("line " + std::to_string(line) + ": '{=' without '=}'");
    }
    out.append(text.substr(pos, open - pos));
    try {
      out += FormatNumber(Evaluate(text.substr(open + 2, close - open - 2), vars));
    } catch (const ExprError& e) {
      throw ExprError("line " + std::to_string(line) + ": " + e.what());
    }
    pos = close + 2;
  }
}

}  // namespace forge
