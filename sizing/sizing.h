// What depends on the belt profile outside the power rating: the pulley width,
// the smallest screw pulley and the withdrawal of large profiles at high screw
// speeds, and the taper bush of each pulley.
#pragma once

#include <optional>
#include <string>

#include "form/form1.h"
#include "form/values.h"

namespace selbrin {

// A profile picked: screw pulley check, pulley width, then the drive calculation.
void Option1_Click(Form1& form, int index);
// The number of belts changed: the pulley width of the selected profile.
void Text5_Change(Form1& form);

// Face width of a pulley with one groove per belt, (belts - 1) x pitch + edges,
// rounded to two decimals for Label38.
double PulleyWidth(ProfileGroup group, double belts);

// Clears the profiles too large for the screw speed in Text2, then raises the
// screw pulley in Combo3 to the smallest one the selected profile allows.
void AdjustScrewPulley(Form1& form);

// The taper bush ("1610" ... "4040") for the selected profile, or "" when the
// bush table has none for these values.
std::string SelectBush(const Form1& form, float belts, float pulley, float shaft);
std::string SelectBush(std::optional<ProfileGroup> group, float belts, float pulley, float shaft);

}  // namespace selbrin
