#include "motor/derived.h"

#include "form/values.h"
#include "runtime/numtext.h"

namespace selbrin {

bool WriteRatio(Form1& form) {
  form.cellB = ReadNumber(form, Ctl::Label31);
  form.cellA = ReadNumber(form, Ctl::Text2);
  if (form.cellB.value() > 0) {
    form.SetCaption(Ctl::Label36, RatioText(ToSingle(form.cellA / form.cellB)));
    return true;
  }
  form.SetCaption(Ctl::Label36, "");
  return false;
}

void WriteRoundedDown(Form1& form, Ctl control) {
  if (form.cellA.value() > kLargestDerivedValue) return;
  form.SetText(control, ShownNumber(Floor(form.cellA).value(), 0));
}

void WriteMotorPulleyFromRatio(Form1& form) {
  form.cellA = ReadNumber(form, Ctl::Combo3);
  form.cellB = ReadNumber(form, Ctl::Label36);
  form.cellA = form.cellA * form.cellB;
  WriteRoundedDown(form, Ctl::Combo2);
}

}  // namespace selbrin
