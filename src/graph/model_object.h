#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/object.h"
#include "foundation/tagged_record.h"
#include "foundation/tagged_writer.h"
#include "graph/expression_node.h"

// An equation model drawn over a graph: one of eight standard formulas in
// the constants A to D, or an equation in x that the user typed.
class TdvModelObject : public TdvObject, public TdvTaggedReceiver {
 public:
  static constexpr int kClassCode = 'L';

  enum ModelType : std::uint8_t {
    kLinear = 1,
    kQuadratic = 2,
    kCubic = 3,
    kCos = 4,
    kSin = 5,
    kLogarithmic = 6,
    kExponential = 7,
    kPower = 8,
    kEquation = 9,
  };

  // Longest equation kept, as the saved field holds it.
  static constexpr std::size_t kMaxEquationLength = 255;

  TdvModelObject() = default;
  // A copy carries the constants, the type and the equation, parsed anew.
  TdvModelObject(const TdvModelObject& other);
  TdvModelObject& operator=(const TdvModelObject& other);
  ~TdvModelObject() override = default;

  bool IsA(int code) const override;
  std::unique_ptr<TdvObject> Clone() const override;

  // Answers false where the formula has no value at x; y is then untouched.
  virtual bool Evaluate(double& y, double x) const;
  // Least and greatest value at steps + 1 evenly spaced points from x0 to
  // x1 (in either order). Answers false, leaving both untouched, when no
  // point has a value or there is nothing to sample.
  bool Range(double x0, double x1, int steps, double& minimum, double& maximum) const;

  void SetType(std::uint8_t t);
  // Takes the spaces out of text (also in the caller's copy), makes the
  // model a typed equation and parses it. An equation that does not parse,
  // nests too deep or is longer than kMaxEquationLength leaves the model
  // without a curve and answers false.
  bool SetEquation(std::string& text);

  // The formula with its constants ("M: 2.000x + 1.000"), or without values
  // the formula's description as the model dialog lists it.
  virtual std::string FormatLabel(bool withValues) const;
  // What stands beside the label: "r^2 = " and r² as FormatRSquaredValue
  // shows it.
  static std::string FormatRSquared(double rSquared);
  // The description of a formula type, empty for types that do not exist.
  static std::string Description(std::uint8_t t);

  // The model's groups inside the record of its graph.
  virtual void WriteRecord(TdvTaggedWriter& writer) const;
  void SetIntValue(std::int32_t tag, std::int32_t value) override;
  void SetRealValue(std::int32_t tag, double value) override;
  void SetStringValue(std::int32_t tag, const std::string& text) override;

  std::uint8_t Type() const { return type_; }
  const std::string& Equation() const { return equation_; }

  double A = 1.0;
  double B = 1.0;
  double C = 1.0;
  double D = 1.0;
  double E = 1.0;  // saved and read, used by no formula

 private:
  bool EvaluateFormula(double x, double& y) const;

  std::uint8_t type_ = kLinear;
  std::string equation_;
  // Present only while the type is kEquation.
  std::unique_ptr<TdvExpressionNode> expression_;
};
