#include "graph/expression_node.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Position of the ")" that closes the "(" at open, or kNone.
std::size_t MatchingClose(std::string_view text, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < text.size(); ++i) {
    if (text[i] == '(') {
      ++depth;
    } else if (text[i] == ')' && --depth == 0) {
      return i;
    }
  }
  return kNone;
}

bool Balanced(std::string_view text) {
  int depth = 0;
  for (char c : text) {
    if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth < 0) {
      return false;
    }
  }
  return depth == 0;
}

// "((x+1))" means x+1: every pair that encloses the whole text goes.
std::string_view StripEnclosing(std::string_view text) {
  while (text.size() >= 2 && text.front() == '(' && MatchingClose(text, 0) == text.size() - 1) {
    text = text.substr(1, text.size() - 2);
  }
  return text;
}

// A "-" directly after an operator or "(" is a sign, not a subtraction.
bool HasLeftOperand(std::string_view text, std::size_t at) {
  return at > 0 && std::strchr("+-*/^(", text[at - 1]) == nullptr;
}

bool CutAt(std::string_view text, std::size_t at, std::uint8_t op, TdvSplitResult& result) {
  if (at == kNone || at == 0 || at + 1 >= text.size()) {
    return false;
  }
  result.op = op;
  result.left = text.substr(0, at);
  result.right = text.substr(at + 1);
  return true;
}

// Calls visit(position, character) for every character outside parentheses.
template <typename Visit>
void ForEachTopLevel(std::string_view text, Visit&& visit) {
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      --depth;
    } else if (depth == 0 && !visit(i, c)) {
      return;
    }
  }
}

bool SplitAddition(std::string_view text, TdvSplitResult& result) {
  std::size_t cut = kNone;
  ForEachTopLevel(text, [&](std::size_t i, char c) {
    if (c == '+' || (c == '-' && HasLeftOperand(text, i))) {
      cut = i;
    }
    return true;
  });
  if (cut == kNone) {
    return false;
  }
  return CutAt(text, cut, text[cut] == '+' ? TdvExpressionNode::kAdd : TdvExpressionNode::kSubtract,
               result);
}

bool SplitMultiplication(std::string_view text, TdvSplitResult& result) {
  if (text.size() > 1 && text[0] == '-' &&
      (std::isalpha(static_cast<unsigned char>(text[1])) || text[1] == '(')) {
    result.op = TdvExpressionNode::kMultiply;
    result.left = "-1";
    result.right = text.substr(1);
    return true;
  }
  std::size_t cut = kNone;
  ForEachTopLevel(text, [&](std::size_t i, char c) {
    if (c == '*' || c == '/') {
      cut = i;
    }
    return true;
  });
  if (cut == kNone) {
    return false;
  }
  return CutAt(text, cut,
               text[cut] == '*' ? TdvExpressionNode::kMultiply : TdvExpressionNode::kDivide,
               result);
}

bool SplitPower(std::string_view text, TdvSplitResult& result) {
  std::size_t cut = kNone;
  ForEachTopLevel(text, [&](std::size_t i, char c) {
    if (c == '^') {
      cut = i;
      return false;
    }
    return true;
  });
  return CutAt(text, cut, TdvExpressionNode::kPower, result);
}

struct FunctionName {
  const char* name;
  std::uint8_t op;
};

constexpr std::array<FunctionName, 4> kFunctions = {{
    {"sin", TdvExpressionNode::kSin},
    {"cos", TdvExpressionNode::kCos},
    {"ln", TdvExpressionNode::kLn},
    {"exp", TdvExpressionNode::kExp},
}};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) {
      return false;
    }
  }
  return true;
}

bool SplitFunction(std::string_view text, TdvSplitResult& result) {
  const std::size_t open = text.find('(');
  if (open == kNone || open == 0 || MatchingClose(text, open) != text.size() - 1 ||
      open + 2 >= text.size()) {
    return false;
  }
  const std::string_view name = text.substr(0, open);
  for (const FunctionName& function : kFunctions) {
    if (SameIgnoringCase(name, function.name)) {
      result.op = function.op;
      result.left = text.substr(open + 1, text.size() - open - 2);
      result.right = {};
      return true;
    }
  }
  return false;
}

bool SplitLeaf(std::string_view text, TdvSplitResult& result) {
  result.left = {};
  result.right = {};
  if (text == "x" || text == "X") {
    result.op = TdvExpressionNode::kVariable;
    return true;
  }
  if (text.empty() || text.find_first_not_of("0123456789-.") != kNone) {
    return false;
  }
  // The whole text must be the number: "1.2.3" or "1-" are not numbers.
  const std::string number(text);
  int consumed = 0;
  double value = 0.0;
  if (std::sscanf(number.c_str(), "%lf%n", &value, &consumed) != 1 ||
      consumed != static_cast<int>(number.size())) {
    return false;
  }
  result.op = TdvExpressionNode::kNumber;
  result.value = value;
  return true;
}

bool ParseAt(TdvExpressionNode& node, std::string_view text, int depth) {
  node.Clear();
  if (depth > kTdvMaxExpressionDepth) {
    return false;
  }
  constexpr std::array<int, 5> kLevels = {kSplitAddition, kSplitMultiplication, kSplitPower,
                                          kSplitFunction, kSplitLeaf};
  TdvSplitResult split;
  bool found = false;
  for (int level : kLevels) {
    if (Split(text, level, split)) {
      found = true;
      break;
    }
  }
  if (!found) {
    return false;
  }
  node.op = split.op;
  node.value = split.value;
  if (!split.left.empty()) {
    node.left = std::make_unique<TdvExpressionNode>();
    if (!ParseAt(*node.left, split.left, depth + 1)) {
      return false;
    }
  }
  if (!split.right.empty()) {
    node.right = std::make_unique<TdvExpressionNode>();
    if (!ParseAt(*node.right, split.right, depth + 1)) {
      return false;
    }
  }
  return true;
}

bool Combine(std::uint8_t op, double a, double b, double& result) {
  switch (op) {
    case TdvExpressionNode::kAdd:
      result = a + b;
      return true;
    case TdvExpressionNode::kSubtract:
      result = a - b;
      return true;
    case TdvExpressionNode::kMultiply:
      result = a * b;
      return true;
    case TdvExpressionNode::kDivide:
      if (b == 0.0) {
        return false;
      }
      result = a / b;
      return true;
    case TdvExpressionNode::kPower:
      if (b < 0.0 && a == 0.0) {
        return false;
      }
      result = std::pow(a, b);
      return true;
    default:
      return false;
  }
}

bool ApplyFunction(std::uint8_t op, double a, double& result) {
  switch (op) {
    case TdvExpressionNode::kSin:
      result = std::sin(a);
      return true;
    case TdvExpressionNode::kCos:
      result = std::cos(a);
      return true;
    case TdvExpressionNode::kExp:
      result = std::exp(a);
      return true;
    case TdvExpressionNode::kLn:
      if (a <= 0.0) {
        return false;
      }
      result = std::log(a);
      return true;
    default:
      return false;
  }
}

}  // namespace

bool Split(std::string_view text, int level, TdvSplitResult& result) {
  text = StripEnclosing(text);
  if (!Balanced(text)) {
    return false;
  }
  switch (level) {
    case kSplitAddition:
      return SplitAddition(text, result);
    case kSplitMultiplication:
      return SplitMultiplication(text, result);
    case kSplitPower:
      return SplitPower(text, result);
    case kSplitFunction:
      return SplitFunction(text, result);
    case kSplitLeaf:
      return SplitLeaf(text, result);
    default:
      return false;
  }
}

bool Parse(TdvExpressionNode& node, std::string_view text) {
  return ParseAt(node, text, 0);
}

void TdvExpressionNode::Clear() {
  op = kAdd;
  left.reset();
  right.reset();
  value = 0.0;
}

bool TdvExpressionNode::Evaluate(double x, double& y) const {
  double result = 0.0;
  double a = 0.0;
  double b = 0.0;
  if (op == kNumber) {
    result = value;
  } else if (op == kVariable) {
    result = x;
  } else if (left && right) {
    if (!left->Evaluate(x, a) || !right->Evaluate(x, b) || !Combine(op, a, b, result)) {
      return false;
    }
  } else if (left) {
    if (!left->Evaluate(x, a) || !ApplyFunction(op, a, result)) {
      return false;
    }
  } else {
    return false;
  }
  if (!std::isfinite(result)) {
    return false;
  }
  y = result;
  return true;
}
