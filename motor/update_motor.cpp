#include "form/values.h"
#include "motor/catalogue.h"
#include "motor/derived.h"
#include "motor/motor.h"
#include "sizing/sizing.h"

namespace selbrin {

void UpdateMotor(Form1& form) {
  std::optional<MotorData> motor =
      FindMotor(ReadNumber(form, Ctl::Combo1), form.Value(Ctl::chk4kutup) == 1,
                form.Value(Ctl::chkKompakt) == 1);
  form.SetCaption(Ctl::Label31, motor ? std::string(motor->speed) : "");
  form.SetCaption(Ctl::Label32, motor ? std::string(motor->shaft) : "");

  WriteRatio(form);  // from the screw speed as it stands in Text2
  AdjustScrewPulley(form);
  WriteMotorPulleyFromRatio(form);
}

void Combo1_Click(Form1& form) { UpdateMotor(form); }
void chkKompakt_Click(Form1& form) { UpdateMotor(form); }
void chk4kutup_Click(Form1& form) { UpdateMotor(form); }

}  // namespace selbrin
