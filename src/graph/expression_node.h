#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

// One node of a typed equation in x. Two-operand operators own both
// children, functions only the left one, numbers and x none.
class TdvExpressionNode {
 public:
  enum Op : std::uint8_t {
    kNumber = 0,
    kVariable = 1,
    kAdd = 3,
    kSubtract = 4,
    kMultiply = 5,
    kDivide = 6,
    kSin = 7,
    kCos = 8,
    kExp = 9,
    kLn = 11,
    kPower = 12,
  };

  // Answers false where the equation has no value at x (a division by zero,
  // the logarithm of a number that is not positive, zero to a negative
  // power, or a result that is not a finite number); y is then untouched.
  bool Evaluate(double x, double& y) const;
  // Back to the state of a node freshly made for a child.
  void Clear();

  std::uint8_t op = kAdd;
  std::unique_ptr<TdvExpressionNode> left;
  std::unique_ptr<TdvExpressionNode> right;
  double value = 0.0;
};

// The levels at which Split may cut a text, tried by Parse in this order.
enum TdvSplitLevel : int {
  kSplitAddition = 3,
  kSplitMultiplication = 5,
  kSplitPower = 12,
  kSplitFunction = 10,
  kSplitLeaf = 0,
};

// Where Split cut a text: the operator and the texts of its operands (an
// empty right side for functions; both empty for leaves).
struct TdvSplitResult {
  std::uint8_t op = TdvExpressionNode::kAdd;
  std::string_view left;
  std::string_view right;
  double value = 0.0;
};

// Equations nest at most this deep; deeper ones are refused so that neither
// parsing nor evaluating can exhaust the stack.
inline constexpr int kTdvMaxExpressionDepth = 64;

// Cuts a text without spaces at the operator of the given level that binds
// least. Sums, differences, products and quotients group from the left,
// powers from the right; a leading "-" before a name or a parenthesis is
// read as a product with -1.
bool Split(std::string_view text, int level, TdvSplitResult& result);

// Builds the tree of a text without spaces into node (which is emptied
// first). On failure the node may hold a partial tree; callers discard it.
bool Parse(TdvExpressionNode& node, std::string_view text);
