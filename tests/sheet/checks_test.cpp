// Each check at, below and above its threshold, and what stands in place of the
// drawing when there is nothing sensible to draw.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <variant>

#include "sheet/checks.h"
#include "sheet/geometry.h"

namespace selbrin::sheet {
namespace {

constexpr auto kNone = std::nullopt;

struct SpeedRow {
  std::optional<double> speed;
  Verdict verdict;
  std::string sentence;
};

TEST(Checks, BeltSpeedAboveFiftyIsAWarning) {
  const SpeedRow rows[] = {
      {49.99, Verdict::Passed, "Kayış hızı (49.99 m/sn) sınırın (en çok 50 m/sn) içinde."},
      {50, Verdict::Passed, "Kayış hızı (50 m/sn) sınırın (en çok 50 m/sn) içinde."},
      {50.01, Verdict::Warning, "Kayış hızı (50.01 m/sn) sınırın (en çok 50 m/sn) üstünde."},
      {kNone, Verdict::Unknown, "Kayış hızı boş: sınırla (en çok 50 m/sn) karşılaştırılamadı."},
  };
  for (const SpeedRow& row : rows) {
    Check check = BeltSpeedCheck(row.speed);
    EXPECT_EQ(check.verdict, row.verdict) << row.sentence;
    EXPECT_EQ(check.sentence, row.sentence);
  }
}

struct PowerRow {
  std::optional<double> total, motor;
  Verdict verdict;
  std::string start;  // the sentence up to its judgement
};

TEST(Checks, TotalPowerBelowTheMotorIsAWarning) {
  const PowerRow rows[] = {
      {29.99, 30, Verdict::Warning, "Toplam kayış gücü (29.99 kW) motor gücünün (30 kW) altında:"},
      {30, 30, Verdict::Passed, "Toplam kayış gücü (30 kW) motor gücünün (30 kW) altında değil:"},
      {30.01, 30, Verdict::Passed,
       "Toplam kayış gücü (30.01 kW) motor gücünün (30 kW) altında değil:"},
      {kNone, 30, Verdict::Unknown,
       "Toplam kayış gücü boş ya da okunamıyor: motor gücüyle (30 kW) karşılaştırılamadı."},
      {26.99, kNone, Verdict::Unknown,
       "Motor gücü boş ya da okunamıyor: toplam kayış gücüyle (26.99 kW) karşılaştırılamadı."},
      {kNone, kNone, Verdict::Unknown,
       "Toplam kayış gücü ve motor gücü boş ya da okunamıyor: karşılaştırılamadı."},
  };
  for (const PowerRow& row : rows) {
    Check check = BeltPowerCheck(row.total, row.motor);
    EXPECT_EQ(check.verdict, row.verdict) << row.start;
    EXPECT_TRUE(check.sentence.starts_with(row.start)) << check.sentence;
  }
}

TEST(Checks, NoProfileAndOutdatedResultsAreWarnings) {
  Form1 form;
  EXPECT_EQ(ProfileCheck(form).sentence, "Kayış profili SPB seçili.");
  EXPECT_EQ(OutdatedCheck(form).verdict, Verdict::Warning);  // nothing calculated yet
  form.Edit(Ctl::Text5, "3");
  form.Click(Ctl::Command1);
  EXPECT_EQ(OutdatedCheck(form).verdict, Verdict::Passed);
  form.Edit(Ctl::Text5, "4");
  EXPECT_EQ(OutdatedCheck(form).verdict, Verdict::Warning);
  form.ClearOption(6);
  EXPECT_EQ(ProfileCheck(form).verdict, Verdict::Warning);
}

struct DrawRow {
  std::optional<double> motor, screw, centre;
  int scale;        // 0: no drawing
  std::string why;  // part of the sentence in place of the drawing
};

TEST(Drawing, TakesTheLargestScaleThatFitsOrSaysWhyNot) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const Area area{0, 0, 180, 113};  // fits 152 mm across and 84 mm high at 1:1
  const DrawRow rows[] = {
      {224, 165, 500, 5, ""},
      {20, 20, 132, 1, ""},
      {20, 20, 132.01, 2, ""},
      {84, 20, 60, 1, ""},
      {84.01, 20, 60, 2, ""},
      {5e5, 5e5, 1.02e6, 10000, ""},
      {5e5, 5e5, 1.03e6, 0, "1:10000"},
      {kNone, 165, 500, 0, "Motor Kasnağı Çapı boş"},
      {224, 0, 500, 0, "Vida Kasnağı Çapı (0 mm) sıfırdan büyük değil"},
      {224, 165, -1, 0, "Eksen Mesafesi (-1 mm) sıfırdan büyük değil"},
      {224, kInf, 500, 0, "sayı aralığının dışında"},
      {224, 165, std::nan(""), 0, "sayı aralığının dışında"},
      {224, 165, 29.5, 0, "içine"},
      {190, 160, 100, 0, "kasnaklar bu eksen mesafesinde (100 mm) üst üste biniyor"},
      {190, 160, 174.99, 0, "üst üste biniyor"},
      {190, 160, 175, 5, ""},  // the rims touch
      {500, 500, 4.9e-324, 0, "Eksen Mesafesi (4.94066e-324 mm) çizilemeyecek kadar küçük"},
      {0.01, 0.01, 0.01, 1, ""},
  };
  for (const DrawRow& row : rows) {
    DriveDrawing d = LayOutDrive(row.motor, row.screw, row.centre, area);
    if (row.scale > 0) {
      ASSERT_TRUE(std::holds_alternative<DriveLayout>(d)) << std::get<std::string>(d);
      EXPECT_EQ(std::get<DriveLayout>(d).scale, row.scale) << *row.centre;
    } else {
      ASSERT_TRUE(std::holds_alternative<std::string>(d)) << row.why;
      EXPECT_NE(std::get<std::string>(d).find(row.why), std::string::npos)
          << std::get<std::string>(d);
    }
  }
}

}  // namespace
}  // namespace selbrin::sheet
