#include "form/values.h"
#include "motor/catalogue.h"
#include "motor/motor.h"
#include "runtime/numtext.h"
#include "sizing/sizing.h"

namespace selbrin {

void UpdateMotor(Form1& form) {
  std::optional<MotorData> motor =
      FindMotor(ReadNumber(form, Ctl::Combo1), form.Value(Ctl::chk4kutup) == 1,
                form.Value(Ctl::chkKompakt) == 1);
  form.SetCaption(Ctl::Label31, motor ? std::string(motor->speed) : "");
  form.SetCaption(Ctl::Label32, motor ? std::string(motor->shaft) : "");

  // The ratio, from the screw speed as it stands in Text2.
  form.cellB = ReadNumber(form, Ctl::Label31);
  form.cellA = ReadNumber(form, Ctl::Text2);
  if (form.cellB.value() > 0) {
    form.SetCaption(Ctl::Label36, RatioText(ToSingle(form.cellA / form.cellB)));
  } else {
    form.SetCaption(Ctl::Label36, "");
  }

  AdjustScrewPulley(form);

  // The motor pulley comes from the ratio as shown, rounded to two decimals,
  // and is rounded down.
  form.cellA = ReadNumber(form, Ctl::Combo3);
  form.cellB = ReadNumber(form, Ctl::Label36);
  form.cellA = form.cellA * form.cellB;
  if (form.cellA.value() > kLargestDerivedValue) return;
  form.SetText(Ctl::Combo2, ShownNumber(Floor(form.cellA).value(), 0));
}

void Combo1_Click(Form1& form) { UpdateMotor(form); }
void chkKompakt_Click(Form1& form) { UpdateMotor(form); }
void chk4kutup_Click(Form1& form) { UpdateMotor(form); }

}  // namespace selbrin
