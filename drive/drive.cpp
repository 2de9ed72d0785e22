#include "drive/drive.h"

#include "drive/factors.h"
#include "drive/rating.h"
#include "form/values.h"
#include "runtime/num.h"
#include "runtime/numtext.h"
#include "runtime/single.h"

namespace selbrin {
namespace {

// The centre distance is at least the mean of the two pulleys, and never below
// 250 mm.
constexpr double kMinCentreDistance = 250;

// The table rates only screws faster than kRatedAboveSpeed that turn at least as
// fast as the motor.
constexpr double kMinRatedRatio = 1;

// The length factor when no profile is selected: no group's table sets one.
constexpr double kLengthFactorWithoutProfile = 0.75;

// Text10 shows the settled centre distance as a whole number; the calculation goes
// on with the unrounded value.
void SettleCentreDistance(Form1& form) {
  float mean = ToSingle((Num(form.cellA) + form.cellB) / 2);
  if (mean > form.centreDistance.get()) form.centreDistance = mean;
  if (form.centreDistance.value() >= kMinCentreDistance) {
    form.SetText(Ctl::Text10, ShownNumber(form.centreDistance.value(), 0));
  } else {
    form.centreDistance = kMinCentreDistance;
    form.SetText(Ctl::Text10, ShownNumber(kMinCentreDistance, 0));
  }
}

// The arc of contact on the screw pulley, below 180 degrees while the motor pulley
// is the larger one.
void SetWrapAngle(Form1& form) {
  float x = ToSingle((Num(form.cellA) - form.cellB) / (2 * Num(form.centreDistance)));
  form.wrapAngle = 2 * Num(ArcCosDeg(form, x));
}

// The belt datum length of an open drive.
void SetBeltLength(Form1& form) {
  Num a = form.cellA;
  Num b = form.cellB;
  Num c = form.centreDistance;
  form.beltLength = Pow(a - b, 2) / (4 * c) + (a + b) * (Num(form.piValue) / 2) + 2 * c;
}

// arcFactor x beltRating x lengthFactor / serviceFactor, from left to right.
Num CorrectedRating(const Form1& form) {
  return Num(form.arcFactor) * form.beltRating * form.lengthFactor / form.serviceFactor;
}

}  // namespace

void Command1_Click(Form1& form) {
  form.CalculationStarted();
  form.screwSpeed = ReadNumber(form, Ctl::Text2);
  form.speedRatio = ReadNumber(form, Ctl::Label36);  // as shown, with its two decimals
  form.centreDistance = ReadNumber(form, Ctl::Text10);
  form.lengthFactor = kLengthFactorWithoutProfile;
  SetServiceFactor(form);
  form.cellA = ReadNumber(form, Ctl::Combo2);  // motor pulley
  form.cellB = ReadNumber(form, Ctl::Combo3);  // screw pulley

  SettleCentreDistance(form);
  SetWrapAngle(form);
  form.SetCaption(Ctl::Label35, ShownNumber(form.wrapAngle.value(), 2));
  SetArcFactor(form);
  SetBeltLength(form);
  SetLengthFactor(form);
  // Runs Text11_Change, which derives Text10 back from the rounded belt length. It
  // leaves cellB as it was, and the steps below read nothing else it writes.
  form.SetText(Ctl::Text11, ShownNumber(form.beltLength.value(), 1));

  form.beltRating = 0;
  if (form.screwSpeed.value() > kRatedAboveSpeed && form.speedRatio.value() >= kMinRatedRatio) {
    RateBelt(form);
  }

  float one_belt = ToSingle(CorrectedRating(form));
  form.SetText(Ctl::Text12, ShownNumber(one_belt, 2));
  Num belts = ReadNumber(form, Ctl::Text5);  // fractional and negative counts as they are
  form.SetText(Ctl::Text13, ShownNumber((CorrectedRating(form) * belts).value(), 2));
}

void chkC2_Click(Form1& form) { Command1_Click(form); }

}  // namespace selbrin
