#include <gtest/gtest.h>

#include <cmath>
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

TdvFitObject FittedOfType(std::uint8_t type) {
  TdvFitObject fit;
  fit.SetFitType(type);
  FakeFitOwner owner;
  const NrVector x = MakeVector({0, 1, 2, 3, 4, 5});
  const NrVector y = MakeVector({1.5, 2.25, 4.0, 9.5, 17.0, 30.25});
  EXPECT_TRUE(fit.Fit(x, y, 6, Filled(6, 0.5f), true, owner));
  return fit;
}

TEST(FitRecord, EveryTypeReadsBackEqual) {
  for (std::uint8_t type = TdvFitObject::kAverage; type <= TdvFitObject::kCubic; ++type) {
    TdvFitObject fit = FittedOfType(type);
    fit.SetAutoUpdate(type % 2 == 0);
    const TdvFitObject copy = ReadBack(fit);
    const TdvFitResult& want = fit.Result();
    const TdvFitResult& got = copy.Result();
    EXPECT_EQ(copy.FitType(), type);
    EXPECT_EQ(copy.AutoUpdate(), fit.AutoUpdate());
    // Reals are saved from their six-decimal fixed text when that is the
    // shorter form, so values below 1 keep six decimals.
    auto expectSaved = [](float read, float saved) {
      EXPECT_NEAR(read, saved, 1e-6 + 1e-7 * std::fabs(saved));
    };
    expectSaved(got.a, want.a);
    expectSaved(got.b, want.b);
    expectSaved(got.sigA, want.sigA);
    expectSaved(got.sigB, want.sigB);
    expectSaved(got.chiSquare, want.chiSquare);
    expectSaved(got.q, want.q);
    EXPECT_EQ(got.nCoefficients, want.nCoefficients);
    for (int j = 1; j <= 4; ++j) {
      expectSaved(got.coefficients[j], want.coefficients[j]);
    }
    EXPECT_EQ(copy.FormatLabel(true), fit.FormatLabel(true));
    EXPECT_EQ(got.rSquared, 0.0f) << "r² is not saved; it comes with the next fit";
  }
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
