#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

#include "drive/rating.h"
#include "runtime/num.h"
#include "runtime/single.h"

namespace selbrin {
namespace {

enum : unsigned char { XPZ, XPA, XPB, XPC, SPZ, SPA, SPB, SPC };
constexpr const char* kNames[] = {"XPZ", "XPA", "XPB", "XPC", "SPZ", "SPA", "SPB", "SPC"};

float Above(float x) { return std::nextafter(x, 1e30F); }
float Below(float x) { return std::nextafter(x, -1e30F); }
constexpr float kFastest = 1e9F;

// The rating as RateBelt leaves it, with `profile` the only selected button.
float Rate(int profile, float d, float n, float i) {
  EventRouting routing;  // selecting a profile runs nothing here
  Form1 form(routing);
  form.Select(profile);
  form.cellB = d;
  form.screwSpeed = n;
  form.speedRatio = i;
  form.beltRating = 0;
  RateBelt(form);
  return form.beltRating.get();
}

// A tabulated value taken through diameter steps, each product stored as a single.
double Stepped(float value, std::initializer_list<double> factors) {
  Single r;
  r = value;
  for (double f : factors) r = Num(r) * f;
  return r.value();
}

// Every band of every diameter group, probed at its slowest and its fastest speed,
// in both ratio columns. The diameter is one where no diameter step applies.
struct Band {
  int profile;
  float d;
  float slowest, fastest;
  float below_1_5, from_1_5;
};

class RatingBands : public testing::TestWithParam<Band> {};

TEST_P(RatingBands, HoldTheirValueFromEndToEnd) {
  const Band& b = GetParam();
  for (float n : {b.slowest, b.fastest}) {
    SCOPED_TRACE(testing::Message() << kNames[b.profile] << " d=" << b.d << " n=" << n);
    EXPECT_EQ(Rate(b.profile, b.d, n, 1.2F), b.below_1_5);
    EXPECT_EQ(Rate(b.profile, b.d, n, 1.6F), b.from_1_5);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AllProfiles, RatingBands, testing::ValuesIn(std::vector<Band>{
    {XPZ, 100, Above(2700), Below(3200),  5.23F,  5.51F},
    {XPZ, 100, 3200,        Below(3600),  5.75F,  6.07F},
    {XPZ, 100, 3600,        Below(4000),  6.32F,  6.67F},
    {XPZ, 100, 4000,        Below(5000),  6.85F,  7.25F},
    {XPZ, 100, 5000,        kFastest,     8.00F,  8.50F},
    {XPZ, 112, Above(2700), Below(3200),  6.12F,  6.40F},
    {XPZ, 112, 3200,        Below(3600),  6.72F,  7.04F},
    {XPZ, 112, 3600,        Below(4000),  7.37F,  7.73F},
    {XPZ, 112, 4000,        Below(5000),  7.98F,  8.37F},
    {XPZ, 112, 5000,        kFastest,     9.30F,  9.80F},
    {XPZ, 125, Above(2700), Below(3200),  7.06F,  7.25F},
    {XPZ, 125, 3200,        Below(3600),  7.74F,  7.96F},
    {XPZ, 125, 3600,        Below(4000),  8.47F,  8.71F},
    {XPZ, 125, 4000,        Below(5000),  9.14F,  9.41F},
    {XPZ, 125, 5000,        kFastest,    10.50F, 10.90F},

    {XPA, 100, Above(2700), Below(3200),  8.43F,  9.08F},
    {XPA, 100, 3200,        Below(3600),  9.23F,  9.96F},
    {XPA, 100, 3600,        Below(4000), 10.08F, 10.90F},
    {XPA, 100, 4000,        Below(5000), 10.86F, 11.77F},
    {XPA, 100, 5000,        kFastest,    12.46F, 13.60F},
    {XPA, 125, Above(2700), Below(3200), 10.03F, 10.68F},
    {XPA, 125, 3200,        Below(3600), 10.97F, 11.70F},
    {XPA, 125, 3600,        Below(4000), 11.96F, 12.78F},
    {XPA, 125, 4000,        Below(5000), 12.85F, 13.76F},
    {XPA, 125, 5000,        kFastest,    14.63F, 15.77F},
    {XPA, 140, Above(2700), Below(3200), 11.82F, 12.47F},
    {XPA, 140, 3200,        Below(3600), 12.90F, 13.63F},
    {XPA, 140, 3600,        Below(4000), 14.03F, 14.84F},
    {XPA, 140, 4000,        Below(5000), 15.02F, 15.93F},
    {XPA, 140, 5000,        kFastest,    16.90F, 18.03F},

    {XPB, 100, Above(2700), Below(3200), 16.67F, 18.08F},
    {XPB, 100, 3200,        Below(3600), 18.08F, 19.67F},
    {XPB, 100, 3600,        Below(4000), 19.51F, 21.29F},
    {XPB, 100, 4000,        Below(5000), 21.88F, 24.11F},
    {XPB, 100, 5000,        kFastest,    22.73F, 25.70F},
    {XPB, 160, Above(2700), Below(3200), 20.57F, 21.98F},
    {XPB, 160, 3200,        Below(3600), 22.24F, 23.83F},
    {XPB, 160, 3600,        Below(4000), 23.88F, 25.66F},
    {XPB, 160, 4000,        Below(5000), 26.34F, 28.57F},
    {XPB, 160, 5000,        kFastest,    25.91F, 28.88F},
    {XPB, 180, Above(2700), Below(3200), 24.25F, 25.66F},
    {XPB, 180, 3200,        Below(3600), 26.11F, 27.69F},
    {XPB, 180, 3600,        Below(4000), 27.84F, 29.62F},
    {XPB, 180, 4000,        Below(5000), 30.04F, 32.26F},
    {XPB, 180, 5000,        kFastest,     0.00F,  0.00F},

    {XPC, 100, Above(2700), Below(3200), 29.27F, 33.19F},
    {XPC, 100, 3200,        Below(3600), 30.57F, 34.97F},
    {XPC, 100, 3600,        4000,        31.13F, 36.23F},
    {XPC, 100, Above(4000), kFastest,     0.00F,  0.00F},
    {XPC, 224, Above(2700), Below(3200), 35.83F, 39.75F},
    {XPC, 224, 3200,        Below(3600), 37.21F, 41.61F},
    {XPC, 224, 3600,        4000,        37.75F, 42.54F},
    {XPC, 224, Above(4000), kFastest,     0.00F,  0.00F},

    {SPZ, 100, Above(2700), Below(3500),  4.28F,  4.66F},
    {SPZ, 100, 3500,        Below(4000),  4.95F,  5.41F},
    {SPZ, 100, 4000,        Below(5000),  5.38F,  5.91F},
    {SPZ, 100, 5000,        Below(6000),  6.03F,  6.69F},
    {SPZ, 100, 6000,        kFastest,     5.71F,  6.77F},
    {SPZ, 112, Above(2700), Below(3500),  5.15F,  5.53F},
    {SPZ, 112, 3500,        Below(4000),  5.94F,  6.40F},
    {SPZ, 112, 4000,        Below(5000),  6.45F,  6.97F},
    {SPZ, 112, 5000,        Below(6000),  7.15F,  7.81F},
    {SPZ, 112, 6000,        Below(6500),  7.38F,  8.17F},
    {SPZ, 112, 6500,        kFastest,     0.00F,  0.00F},
    {SPZ, 125, Above(2700), Below(3500),  6.06F,  6.44F},
    {SPZ, 125, 3500,        Below(4000),  6.96F,  7.42F},
    {SPZ, 125, 4000,        Below(5000),  7.51F,  8.04F},
    {SPZ, 125, 5000,        Below(6500),  8.21F,  8.87F},
    {SPZ, 125, 6500,        kFastest,     0.00F,  0.00F},

    {SPA, 100, Above(2700), Below(3500),  5.86F,  6.73F},
    {SPA, 100, 3500,        Below(4000),  6.57F,  7.65F},
    {SPA, 100, 4000,        Below(5000),  6.96F,  8.18F},
    {SPA, 100, 5000,        Below(5800),  7.24F,  8.77F},
    {SPA, 100, 5800,        Below(6500),  6.79F,  8.63F},
    {SPA, 100, 6500,        kFastest,     0.00F,  0.00F},
    {SPA, 125, Above(2700), Below(3500),  7.39F,  8.27F},
    {SPA, 125, 3500,        Below(4000),  8.30F,  9.37F},
    {SPA, 125, 4000,        Below(5000),  8.78F, 10.00F},
    {SPA, 125, 5000,        Below(6000),  9.08F, 10.61F},
    {SPA, 125, 6000,        Below(6500),  8.38F, 10.22F},
    {SPA, 125, 6500,        kFastest,     0.00F,  0.00F},
    {SPA, 140, Above(2700), Below(3500),  9.09F,  9.96F},
    {SPA, 140, 3500,        Below(4000), 10.16F, 11.24F},
    {SPA, 140, 4000,        Below(5000), 10.69F, 11.92F},
    {SPA, 140, 5000,        Below(6000), 10.86F, 12.40F},
    {SPA, 140, 6000,        Below(6500),  9.65F, 11.49F},
    {SPA, 140, 6500,        kFastest,     0.00F,  0.00F},

    {SPB, 140, Above(2700), Below(3500),  9.02F, 10.93F},
    {SPB, 140, 3500,        Below(4000),  9.43F, 11.78F},
    {SPB, 140, 4000,        Below(5000),  9.25F, 11.94F},
    {SPB, 140, 5000,        Below(5500),  7.38F, 10.74F},
    {SPB, 140, 5500,        kFastest,     0.00F,  0.00F},
    {SPB, 160, Above(2700), Below(3500), 12.44F, 14.36F},
    {SPB, 160, 3500,        Below(4000), 13.03F, 15.39F},
    {SPB, 160, 4000,        Below(5000), 12.77F, 15.46F},
    {SPB, 160, 5000,        Below(5500), 10.06F, 13.42F},
    {SPB, 160, 5500,        kFastest,     0.00F,  0.00F},
    {SPB, 180, Above(2700), Below(3500), 15.58F, 17.50F},
    {SPB, 180, 3500,        Below(4000), 16.15F, 18.51F},
    {SPB, 180, 4000,        Below(4500), 15.90F, 18.28F},
    {SPB, 180, 4500,        kFastest,     0.00F,  0.00F},

    {SPC, 224, Above(2700), Below(3000), 20.78F, 26.03F},
    {SPC, 224, 3000,        Below(3700), 16.00F, 22.44F},
    {SPC, 224, 3700,        kFastest,     0.00F,  0.00F},
    {SPC, 250, Above(2700), Below(3000), 25.78F, 31.03F},
    {SPC, 250, 3000,        kFastest,     0.00F,  0.00F},
}));
// clang-format on

// Diameter groups, diameter steps and their order, the ratio column, and the
// written edge cases: one row per rating.
struct Lookup {
  const char* what;
  int profile;
  float d, n, i;
  double rating;
};

class RatingLookups : public testing::TestWithParam<Lookup> {};

TEST_P(RatingLookups, GiveTheRating) {
  const Lookup& c = GetParam();
  EXPECT_EQ(static_cast<double>(Rate(c.profile, c.d, c.n, c.i)), c.rating) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    DiametersAndSteps, RatingLookups,
    testing::ValuesIn(std::vector<Lookup>{
        {"XPZ just below 112", XPZ, Below(112), 3000, 1.2F, 5.23F},
        {"XPZ below the 118 step", XPZ, 117.9F, 3000, 1.2F, 6.12F},
        {"XPZ from 118", XPZ, 118, 3000, 1.2F, Stepped(6.12F, {1.1})},
        {"XPZ just below 125", XPZ, Below(125), 3000, 1.2F, Stepped(6.12F, {1.1})},
        {"XPZ from 132", XPZ, 132, 3000, 1.2F, Stepped(7.06F, {1.05})},
        {"XPZ from 140, stored after each step", XPZ, 140, 3000, 1.2F, 7.783649921417236},
        {"SPZ from 118", SPZ, 118, 3000, 1.2F, Stepped(5.15F, {1.1})},
        {"SPZ from 140", SPZ, 500, 3000, 1.6F, Stepped(6.44F, {1.05, 1.05})},
        {"XPA just below 125", XPA, Below(125), 3000, 1.2F, 8.43F},
        {"XPA from 132", XPA, 132, 3000, 1.2F, Stepped(10.03F, {1.1})},
        {"XPA just below 140", XPA, Below(140), 3000, 1.2F, Stepped(10.03F, {1.1})},
        {"XPA from 150", XPA, 150, 3000, 1.2F, Stepped(11.82F, {1.1})},
        {"SPA from 132", SPA, 132, 3000, 1.2F, Stepped(7.39F, {1.1})},
        {"SPA from 150", SPA, 150, 3000, 1.2F, Stepped(9.09F, {1.1})},
        {"XPB just below 160", XPB, Below(160), 3000, 1.2F, 16.67F},
        {"XPB from 170", XPB, 170, 3000, 1.2F, Stepped(20.57F, {1.1})},
        {"XPB just below 180", XPB, Below(180), 3000, 1.2F, Stepped(20.57F, {1.1})},
        {"XPB from 190", XPB, 190, 3000, 1.2F, Stepped(24.25F, {1.1})},
        {"XPC just below 224", XPC, Below(224), 3000, 1.2F, 29.27F},
        {"XPC from 236", XPC, 236, 3000, 1.2F, Stepped(35.83F, {1.1})},
        {"XPC from 250", XPC, 250, 3000, 1.2F, Stepped(35.83F, {1.1, 1.1})},
        {"SPB just below 150", SPB, Below(150), 3000, 1.2F, 9.02F},
        {"SPB from 150", SPB, 150, 3000, 1.2F, Stepped(9.02F, {1.1})},
        {"SPB from 170", SPB, 170, 3000, 1.2F, Stepped(12.44F, {1.1})},
        {"SPB from 190", SPB, 190, 3000, 1.2F, Stepped(15.58F, {1.05})},
        {"SPB from 200", SPB, 200, 3000, 1.2F, Stepped(15.58F, {1.05, 1.05})},
        {"SPC at 112: a quarter", SPC, 112, 3000, 1.2F, 4.00F},
        {"SPC at 224: unchanged", SPC, 224, 3000, 1.2F, 16.00F},
        {"SPC just below 250", SPC, 249, 2800, 1.2F,
         ToSingle(Pow(Num(249) / 224, 2) * static_cast<double>(20.78F))},
        {"SPC at 250: no band from 3000", SPC, 250, 3000, 1.2F, 0},
        {"SPC from 265", SPC, 265, 2800, 1.2F, Stepped(25.78F, {1.1})},
        {"SPC from 280", SPC, 280, 2800, 1.6F, Stepped(31.03F, {1.1, 1.1})},
        {"ratio 1.4999: first column", XPZ, 100, 3000, 1.4999F, 5.23F},
        {"ratio 1.5: second column", XPZ, 100, 3000, 1.5F, 5.51F},
        {"XPB d 200 at 5000", XPB, 200, 5000, 1.2F, 0},
        {"SPZ d 100 at 7000: open last band", SPZ, 100, 7000, 1.2F, 5.71F},
        {"SPZ d 120 at 7000", SPZ, 120, 7000, 1.2F, 0},
        {"SPA d 145 at 6200, i 1.6", SPA, 145, 6200, 1.6F, 11.49F},
        {"SPA d 145 at 6200, i 1.2", SPA, 145, 6200, 1.2F, 9.65F},
        {"no band at 2700 itself", XPZ, 100, 2700, 1.2F, 0},
    }));

TEST(RateBelt, StoresNothingWithNoProfileSelected) {
  EventRouting routing;
  Form1 form(routing);
  form.ClearOption(6);
  form.cellB = 165;
  form.screwSpeed = 4000;
  form.speedRatio = 1.36;
  form.beltRating = 0;
  RateBelt(form);
  EXPECT_EQ(form.beltRating.get(), 0.0F);
}

TEST(RateBelt, AnAbsurdSpcPulleyOverflowsTheStoredRating) {
  EventRouting routing;
  Form1 form(routing);
  form.Select(SPC);
  form.cellB = -1e30;
  form.screwSpeed = 2800;
  form.speedRatio = 1.2;
  try {
    RateBelt(form);
    ADD_FAILURE() << "no fault";
  } catch (const Fault& f) {
    EXPECT_EQ(f.kind(), FaultKind::Overflow);
  }
}

}  // namespace
}  // namespace selbrin
