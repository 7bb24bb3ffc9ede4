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

TEST(ModelRecord, WrittenInTheFileLayout) {
  TdvModelObject model;
  model.A = 2.5;
  model.B = -0.125;
  model.C = 1234.5678;
  model.D = 1.2345678e-05;
  model.E = -7.0;
  model.SetType(TdvModelObject::kLogarithmic);
  EXPECT_EQ(Written(model),
            "d(659x2.5000000 p660x-0.12500000 p661x1234.5678 p662x1.2345678e-05 "
            "p663x-7.0000000)i(679x6 )s(673x\"\" )");
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

TEST(ModelRecord, AnEquationReadsBackParsed) {
  TdvModelObject model;
  std::string text = "-sin(x)/2";
  ASSERT_TRUE(model.SetEquation(text));
  const TdvModelObject copy = ReadBack(model);
  EXPECT_EQ(copy.Type(), TdvModelObject::kEquation);
  EXPECT_EQ(copy.Equation(), "-sin(x)/2");
  double y = 0.0;
  ASSERT_TRUE(copy.Evaluate(y, 1.0));
  EXPECT_DOUBLE_EQ(y, -std::sin(1.0) / 2);
}

TEST(ModelRecord, TheTextCountsOnlyAfterTheEquationType) {
  TdvModelObject model;
  ReadInto("s(673x\"x+1\" )i(679x9 )", model);
  EXPECT_EQ(model.Type(), TdvModelObject::kEquation);
  EXPECT_TRUE(model.Equation().empty());
  double y = 0.0;
  EXPECT_FALSE(model.Evaluate(y, 1.0));
}

TEST(ModelRecord, AnEquationThatDoesNotParseIsKeptWithoutCurve) {
  TdvModelObject model;
  ReadInto("i(679x9 )s(673x\"sin(x\" )", model);
  EXPECT_EQ(model.Equation(), "sin(x");
  double y = 0.0;
  EXPECT_FALSE(model.Evaluate(y, 1.0));
}

TEST(ModelRecord, ATypeOutOfRangeHasNoCurve) {
  TdvModelObject model;
  ReadInto("i(679x300 )", model);
  double y = 0.0;
  EXPECT_FALSE(model.Evaluate(y, 1.0));
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

TEST(FitRecord, WrittenInTheFileLayout) {
  TdvFitObject fit = FittedOfType(TdvFitObject::kQuadratic);
  fit.SetAutoUpdate(false);
  TdvFitObject line;
  line.SetFitType(TdvFitObject::kLine);
  ReadInto("d(700x1.5 p701x-2.25 p702x0.5 p703x0.25 p704x3 p705x0.75 )", line);
  EXPECT_EQ(Written(line),
            "b(713x1)d(700x1.5000000 p701x-2.2500000 p702x0.50000000 p703x0.25000000 "
            "p705x0.75000000 p709x0.0000000 p710x0.0000000 p711x0.0000000 p712x0.0000000 "
            "p704x3.0000000)i(707x4 p708x1 )");
  const std::string quadratic = Written(fit);
  EXPECT_EQ(quadratic.substr(0, 7), "b(713x0");
  EXPECT_NE(quadratic.find("p711x"), std::string::npos);
  EXPECT_EQ(quadratic.find("p712x"), std::string::npos) << "only the coefficients in use";
  EXPECT_NE(quadratic.find("i(707x3 p708x2 )"), std::string::npos);
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

TEST(FitRecord, CoefficientCountResizesAndKeepsWhatWasRead) {
  TdvFitObject fit;
  ReadInto("d(709x1 p710x2 p711x3 p712x4 )i(707x3 p708x2 )", fit);
  EXPECT_EQ(fit.Result().nCoefficients, 3);
  EXPECT_EQ(fit.Result().coefficients[1], 1.0f);
  EXPECT_EQ(fit.Result().coefficients[3], 3.0f);
  EXPECT_EQ(fit.Result().coefficients[4], 0.0f) << "dropped with the fourth place";
  double y = 0.0;
  ASSERT_TRUE(fit.Evaluate(y, 2.0));
  EXPECT_EQ(y, 3.0 * 4 + 2.0 * 2 + 1.0);
  ReadInto("i(707x4 )", fit);
  EXPECT_EQ(fit.Result().nCoefficients, 4);
  EXPECT_EQ(fit.Result().coefficients[3], 3.0f) << "growing keeps the values";
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

TEST(FitRecord, FlagReadsAsTheFileSaysIt) {
  TdvFitObject fit;
  ReadInto("b(713x0)", fit);
  EXPECT_FALSE(fit.AutoUpdate());
  ReadInto("b(713x2)", fit);
  EXPECT_TRUE(fit.AutoUpdate());
}

}  // namespace
