// The published data the sheet judges a drive by, per belt profile. A value the
// sheet has no published source for is missing, and every check or value that
// needs it then says so rather than guessing.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace selbrin::sheet {

// Where the data come from, as the sheet names them.
inline constexpr std::string_view kStandards = "ISO 4184, DIN 7753-1";
inline constexpr std::string_view kMakerManual = "Optibelt, Technical Manual V-Belt Drives";

struct BeltData {
  std::string_view name;               // "SPB"
  std::optional<double> min_diameter;  // smallest datum diameter, mm
  std::optional<double> max_speed;     // highest belt speed, m/s
  std::optional<double> max_bending;   // highest bending frequency, 1/s
  double mass;                         // kg/m, the k of the static tension
  bool mass_of_sp;                     // the mass is the SP profile's, none being published
};

// Indexed as the profile buttons: 0-3 XPZ XPA XPB XPC, 4-7 SPZ SPA SPB SPC.
const BeltData& DataOf(int profile_index);

// The standard datum lengths of the profile's section (XP belts share their SP
// section's lengths), ascending, mm.
std::span<const double> DatumLengths(int profile_index);

// The angle the smaller pulley's arc of contact must reach, degrees.
inline constexpr double kMinArc = 120;
// The usual centre distance: from kMinCentreFactor to kMaxCentreFactor times
// the sum of the datum diameters.
inline constexpr double kMinCentreFactor = 0.7;
inline constexpr double kMaxCentreFactor = 2;
// The centre distance's travel for tensioning and for fitting the belts, as
// fractions of the datum length.
inline constexpr double kTakeUpFactor = 0.03;
inline constexpr double kFittingFactor = 0.015;

}  // namespace selbrin::sheet
