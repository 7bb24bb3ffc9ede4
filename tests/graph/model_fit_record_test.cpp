#include <gtest/gtest.h>

#include <array>

#include <string>

#include "fake_fit_owner.h"
#include "foundation/tagged_record.h"
#include "foundation/tagged_writer.h"
#include "graph/fit_object.h"
#include "graph/model_object.h"
#include "nr_test_vectors.h"

namespace {

template <typename Saved>
std::string Written(const Saved& saved) {
  std::string text;
  TdvTaggedWriter writer(text);
  saved.WriteRecord(writer);
  return text;
}

// Reads record groups as the graph's record reader hands them over.
template <typename Saved>
void ReadInto(const std::string& groups, Saved& target) {
  TdvStringStream stream("a[" + groups + "];\r\n");
  ReadRecordBody(stream, target);
}

template <typename Saved>
Saved ReadBack(const Saved& original) {
  Saved copy;
  ReadInto(Written(original), copy);
  return copy;
}

TEST(ModelRecord, EveryFormulaReadsBackEqual) {
  for (std::uint8_t type = 1; type <= 8; ++type) {
    TdvModelObject model;
    model.A = 2.5;
    model.B = -0.125;
    model.C = 1234.5678;
    model.D = 1.2345678e-05;
    model.E = 3.0;
    model.SetType(type);
    const TdvModelObject copy = ReadBack(model);
    EXPECT_EQ(copy.Type(), type);
    EXPECT_EQ(copy.A, model.A);
    EXPECT_EQ(copy.B, model.B);
    EXPECT_EQ(copy.C, model.C);
    EXPECT_EQ(copy.D, model.D);
    EXPECT_EQ(copy.E, model.E);
    for (double x : {0.5, 2.0}) {
      double want = 0.0;
      double got = 0.0;
      EXPECT_EQ(model.Evaluate(want, x), copy.Evaluate(got, x));
      EXPECT_EQ(got, want) << "type " << int(type);
    }
  }
}

// A parabola saved with coefficients a little off its points, as an older
// computation left them: they are what the document shows, with its r²,
// until a fit of other points replaces them.
TEST(FitRecord, SavedCoefficientsStayUntilThePointsChange) {
  TdvFitObject fit;
  ReadInto(
      "b(713x1)d(700x0 p701x0 p702x0 p703x0 p705x0 p709x1.01 p710x1.99 p711x3.02 p704x0)"
      "i(707x3 p708x2 )",
      fit);
  std::vector<double> xs = {0, 1, 2, 3, 4, 5};
  std::vector<double> ys = {1, 6, 17, 34, 57, 86};
  FakeFitOwner owner;
  const auto refit = [&] {
    return fit.Fit(MakeVector(xs), MakeVector(ys), 6, Filled(6, 1.0), true, owner);
  };
  const std::array<double, 5> saved = {0, 1.01, 1.99, 3.02, 0};
  for (int time = 0; time < 2; ++time) {
    ASSERT_TRUE(refit());
    EXPECT_EQ(fit.Result().coefficients, saved);
    EXPECT_EQ(fit.FormatLabel(true), "F: 3.02x^2 + 1.99x + 1.01 ");
    EXPECT_GT(fit.Result().rSquared, 0.999);
    EXPECT_LT(fit.Result().rSquared, 1.0);
  }
  fit.SetFitType(TdvFitObject::kCubic);
  EXPECT_FALSE(fit.Fit(MakeVector({0, 1}), MakeVector({1, 6}), 2, Filled(2, 1.0), true, owner));
  fit.SetFitType(TdvFitObject::kQuadratic);
  ASSERT_TRUE(refit());
  EXPECT_EQ(fit.Result().coefficients, saved) << "a refused fit leaves the saved result";
  ys[5] = 86.5;
  ASSERT_TRUE(refit());
  EXPECT_NE(fit.Result().coefficients, saved);
  ys[5] = 86.0;
  ASSERT_TRUE(refit());
  EXPECT_EQ(fit.FormatLabel(true), "F: 3.00x^2 + 2.00x + 1.00 ") << "a new fit stays new";
}

TEST(FitRecord, ImpossibleCountsAndTypesAreIgnored) {
  TdvFitObject fit;
  ReadInto("i(707x-5 p708x9 )", fit);
  EXPECT_EQ(fit.Result().nCoefficients, 4);
  EXPECT_EQ(fit.FitType(), TdvFitObject::kLine);
  ReadInto("i(707x100000000 p708x-1 )", fit);
  EXPECT_EQ(fit.Result().nCoefficients, 4);
  EXPECT_EQ(fit.FitType(), TdvFitObject::kLine);
}

}  // namespace
