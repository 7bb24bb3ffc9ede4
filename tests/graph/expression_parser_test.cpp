#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "graph/expression_node.h"

namespace {

using Meaning = std::function<std::optional<double>(double)>;

std::optional<double> ValueOf(const std::string& equation, double x) {
  TdvExpressionNode root;
  if (!Parse(root, equation)) {
    ADD_FAILURE() << equation << " does not parse";
    return std::nullopt;
  }
  double y = 0.0;
  if (!root.Evaluate(x, y)) {
    return std::nullopt;
  }
  return y;
}

bool Parses(const std::string& equation) {
  TdvExpressionNode root;
  return Parse(root, equation);
}

std::optional<double> Ln(double v) {
  return v > 0.0 ? std::optional(std::log(v)) : std::nullopt;
}
std::optional<double> Quotient(double a, double b) {
  return b != 0.0 ? std::optional(a / b) : std::nullopt;
}

struct Case {
  std::string equation;
  Meaning meaning;
};

// Each equation with what it means in ordinary arithmetic; no value where
// the arithmetic has none.
std::vector<Case> Table() {
  return {
      {"x", [](double x) { return x; }},
      {"X", [](double x) { return x; }},
      {"2", [](double) { return 2.0; }},
      {"-3.5", [](double) { return -3.5; }},
      {".5", [](double) { return 0.5; }},
      {"x+1", [](double x) { return x + 1; }},
      {"x-1", [](double x) { return x - 1; }},
      {"1-x", [](double x) { return 1 - x; }},
      {"x-2-3", [](double x) { return x - 2 - 3; }},
      {"x-2+3", [](double x) { return x - 2 + 3; }},
      {"x+2-3", [](double x) { return x + 2 - 3; }},
      {"1-x-x-x", [](double x) { return 1 - x - x - x; }},
      {"x-(2-3)+1", [](double x) { return x - (2 - 3) + 1; }},
      {"x-(1)-2", [](double x) { return x - 1 - 2; }},
      {"2*x", [](double x) { return 2 * x; }},
      {"2*x^2-3*x+1", [](double x) { return 2 * x * x - 3 * x + 1; }},
      {"8/2/2", [](double) { return 2.0; }},
      {"x/2*3", [](double x) { return x / 2 * 3; }},
      {"1/2*9.8*x^2", [](double x) { return 0.5 * 9.8 * x * x; }},
      {"2^3^2", [](double) { return 512.0; }},
      {"x^2", [](double x) { return x * x; }},
      {"-x^2", [](double x) { return -(x * x); }},
      {"-sin(x)", [](double x) { return -std::sin(x); }},
      {"-x", [](double x) { return -x; }},
      {"x*-2", [](double x) { return x * -2; }},
      {"x--x", [](double x) { return x + x; }},
      {"-(x+1)", [](double x) { return -(x + 1); }},
      {"(x+1)*(x-1)", [](double x) { return (x + 1) * (x - 1); }},
      {"((x+1))", [](double x) { return x + 1; }},
      {"((x+1)*(2-(x-3)))", [](double x) { return (x + 1) * (2 - (x - 3)); }},
      {"(((2)))", [](double) { return 2.0; }},
      {"sin(x)", [](double x) { return std::sin(x); }},
      {"SIN(x)", [](double x) { return std::sin(x); }},
      {"Cos(X)", [](double x) { return std::cos(x); }},
      {"EXP(x)", [](double x) { return std::exp(x); }},
      {"exp(-x^2/2)", [](double x) { return std::exp(-(x * x) / 2); }},
      {"ln(x)", [](double x) { return Ln(x); }},
      {"LN(x^2+1)", [](double x) { return Ln(x * x + 1); }},
      {"sin(cos(x))", [](double x) { return std::sin(std::cos(x)); }},
      {"2*sin(3*x+1)-0.5", [](double x) { return 2 * std::sin(3 * x + 1) - 0.5; }},
      {"1/x", [](double x) { return Quotient(1, x); }},
      {"x/(x-1)", [](double x) { return Quotient(x, x - 1); }},
      {"x^-1", [](double x) { return Quotient(1, x); }},
      {"(x+2)^0.5",
       [](double x) { return x + 2 >= 0 ? std::optional(std::sqrt(x + 2)) : std::nullopt; }},
      {"x^(1+1)", [](double x) { return x * x; }},
      {"ln(x)/ln(10)",
       [](double x) { return x > 0 ? std::optional(std::log10(x)) : std::nullopt; }},
      {"4.9*x^2-2*x+10", [](double x) { return 4.9 * x * x - 2 * x + 10; }},
  };
}

TEST(ExpressionTable, EveryEquationMeansWhatArithmeticSays) {
  const std::vector<double> xs = {-2.0, -0.5, 0.0, 1.0, 2.5};
  const std::vector<Case> cases = Table();
  ASSERT_GE(cases.size(), 40u);
  for (const Case& c : cases) {
    for (double x : xs) {
      const std::optional<double> want = c.meaning(x);
      const std::optional<double> got = ValueOf(c.equation, x);
      ASSERT_EQ(got.has_value(), want.has_value()) << c.equation << " at x = " << x;
      if (want) {
        EXPECT_NEAR(*got, *want, 1e-12 * (1 + std::fabs(*want))) << c.equation << " at x = " << x;
      }
    }
  }
}

TEST(ExpressionTable, MalformedEquationsAreRefused) {
  for (const char* bad :
       {"sin(x)+", "(x+1", "x+1)",   "sinx",  "2**x",    "",        "()",    "x+",
        "*x",      "x^",   "tan(x)", "sin()", "sin(x)2", "2sin(x)", "1.2.3", "1-",
        "--1",     "x y",  "1e5",    "y",     "sin(x",   "+x",      "x++1",  "."}) {
    EXPECT_FALSE(Parses(bad)) << '"' << bad << '"';
  }
}

TEST(ExpressionGrouping, LeadingMinusBeforeAFunctionIsMinusOneTimesIt) {
  EXPECT_DOUBLE_EQ(*ValueOf("-sin(x)", 0), 0.0);
  EXPECT_DOUBLE_EQ(*ValueOf("-sin(x)", std::numbers::pi / 2), -1.0);
  TdvExpressionNode root;
  ASSERT_TRUE(Parse(root, "-sin(x)"));
  EXPECT_EQ(root.op, TdvExpressionNode::kMultiply);
  ASSERT_TRUE(root.left && root.right);
  EXPECT_EQ(root.left->op, TdvExpressionNode::kNumber);
  EXPECT_EQ(root.left->value, -1.0);
  EXPECT_EQ(root.right->op, TdvExpressionNode::kSin);
}

TEST(ExpressionEvaluate, NoValueRules) {
  EXPECT_FALSE(ValueOf("ln(x)", 0).has_value());
  EXPECT_FALSE(ValueOf("ln(x)", -1).has_value());
  EXPECT_FALSE(ValueOf("1/x", 0).has_value());
  EXPECT_FALSE(ValueOf("x^-2", 0).has_value());
  EXPECT_DOUBLE_EQ(*ValueOf("x^0", 0), 1.0);
  EXPECT_FALSE(ValueOf("1/(x-x)+1", 3).has_value()) << "a missing value runs up to the root";
  EXPECT_FALSE(ValueOf("exp(x)", 1000).has_value()) << "overflow is no value";
  EXPECT_FALSE(ValueOf("x^0.5", -4).has_value()) << "no real root";
}

std::string Nested(const std::string& open, int depth, const std::string& core,
                   const std::string& close) {
  std::string text;
  for (int i = 0; i < depth; ++i) {
    text += open;
  }
  text += core;
  for (int i = 0; i < depth; ++i) {
    text += close;
  }
  return text;
}

TEST(ExpressionDepth, DeeperNestingIsRefused) {
  EXPECT_FALSE(Parses(Nested("sin(", kTdvMaxExpressionDepth + 1, "x", ")")));
  EXPECT_FALSE(Parses(Nested("-(", 5000, "x", ")")));
  std::string longSum = "x";
  for (int i = 0; i < 5000; ++i) {
    longSum += "+x";
  }
  EXPECT_FALSE(Parses(longSum));
}

}  // namespace
