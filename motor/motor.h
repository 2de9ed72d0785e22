// The motor and the live coupling of speeds, ratio and pulleys.
//
// Motor speed x motor pulley = screw speed x screw pulley: when the user changes
// one of them, these handlers recompute the others, and refresh the belt speed,
// the taper bushes and, from a typed belt length, the centre distance.
#pragma once

#include "form/form1.h"

namespace selbrin {

// Motor speed and shaft from the catalogue, then the ratio, the screw pulley
// minimum and the motor pulley.
void UpdateMotor(Form1& form);
void Combo1_Click(Form1& form);
void chkKompakt_Click(Form1& form);
void chk4kutup_Click(Form1& form);

// A motor pulley picked: the screw speed (or else the motor pulley), its bush.
void Combo2_Click(Form1& form);
// A screw pulley picked: its minimum, the screw speed (or else the motor
// pulley), the belt speed, its bush.
void Combo3_Click(Form1& form);
// The screw speed changed: ratio, motor pulley, belt speed.
void Text2_Change(Form1& form);
// The belt length changed: the centre distance.
void Text11_Change(Form1& form);

}  // namespace selbrin
