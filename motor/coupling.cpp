#include "form/values.h"
#include "motor/derived.h"
#include "motor/motor.h"
#include "runtime/numtext.h"
#include "sizing/sizing.h"

namespace selbrin {
namespace {

// pi x d x n with d in mm and n in rpm is a speed in mm a minute; this many of
// them make one m/s.
constexpr double kMmPerMinuteInMetrePerSecond = 60000;

// The centre distance is a quarter of the sum of the two terms of the root.
constexpr double kCentreDistanceShare = 0.25;

// Both pulleys known: the screw speed they give goes into Text2, whose Change
// handler then rewrites the ratio and the motor pulley. Otherwise the motor
// pulley follows from the screw pulley and the ratio as shown.
void PulleyStep(Form1& form) {
  form.cellB = ReadNumber(form, Ctl::Combo2);
  form.cellA = ReadNumber(form, Ctl::Combo3);
  if (form.cellB.value() > 0 && form.cellA.value() > 0) {
    form.cellA = Num(ReadNumber(form, Ctl::Label31)) * form.cellB / form.cellA;
    WriteRoundedDown(form, Ctl::Text2);
  } else {
    WriteMotorPulleyFromRatio(form);
  }
}

// The belt speed in m/s on the screw pulley, with cellA holding the screw speed.
void BeltSpeedStep(Form1& form) {
  form.cellB = ReadNumber(form, Ctl::Combo3);
  if (form.cellB.value() > 0) {
    Num speed = Num(form.piValue) * form.cellA * form.cellB / kMmPerMinuteInMetrePerSecond;
    form.SetCaption(Ctl::Label40, ShownNumber(speed.value(), 2));
  } else {
    form.SetCaption(Ctl::Label40, "");
  }
}

// The taper bush of one pulley, from the number of belts, the pulley's diameter
// (both through the work cells) and its shaft, held as a single.
void BushStep(Form1& form, Ctl pulley, Ctl shaft, Ctl bush) {
  form.cellA = ReadNumber(form, Ctl::Text5);
  form.cellB = ReadNumber(form, pulley);
  float shaft_diameter = ToSingle(ReadNumber(form, shaft));
  form.SetCaption(bush, SelectBush(form, form.cellA.get(), form.cellB.get(), shaft_diameter));
}

}  // namespace

void Combo2_Click(Form1& form) {
  PulleyStep(form);
  BushStep(form, Ctl::Combo2, Ctl::Label32, Ctl::Label19);  // motor shaft from the catalogue
}

void Combo3_Click(Form1& form) {
  AdjustScrewPulley(form);
  PulleyStep(form);
  form.cellA = ReadNumber(form, Ctl::Text2);
  BeltSpeedStep(form);
  BushStep(form, Ctl::Combo3, Ctl::Text9, Ctl::Label21);  // screw shaft as typed
}

void Text2_Change(Form1& form) {
  if (WriteRatio(form)) {
    // Unlike the pulley step, the motor pulley here comes from the exact
    // quotient and is rounded to the nearest whole number.
    Num pulley = form.cellA / form.cellB * ReadNumber(form, Ctl::Combo3);
    form.SetText(Ctl::Combo2, ShownNumber(pulley.value(), 0));
  } else {
    form.SetText(Ctl::Combo2, "");
  }
  BeltSpeedStep(form);
}

// The larger root of L = 2C + pi (D1 + D2) / 2 + (D1 - D2)^2 / (4C), solved for
// the centre distance C. A length inside the band around pi (D1 + D2) / 2 has no
// real root: the square root of a negative number is an invalid argument.
void Text11_Change(Form1& form) {
  form.cellA = ReadNumber(form, Ctl::Combo2);
  form.cellB = ReadNumber(form, Ctl::Combo3);
  form.beltLength = ReadNumber(form, Ctl::Text11);
  Num a = Num(form.beltLength) - (form.cellB + form.cellA) / 2 * form.piValue;
  Num root = Pow(Pow(a, 2) - 2 * Pow(form.cellA - form.cellB, 2), 0.5);
  form.centreDistance = kCentreDistanceShare * root + kCentreDistanceShare * a;
  form.SetText(Ctl::Text10, ShownNumber(form.centreDistance.value(), 1));
}

}  // namespace selbrin
