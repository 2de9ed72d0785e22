#include "sheet/belt_data.h"

namespace selbrin::sheet {
namespace {

// Wrapped wedge belts to DIN 7753-1 run up to 42 m/s and 100 bends per second
// (the maker's manual); the moulded cogged XP belts have no figures there that
// the sheet may use, so their limits stay unknown. The masses per metre are the
// manual's k values of the wedge belts.
constexpr double kSpSpeed = 42;
constexpr double kSpBending = 100;
constexpr std::optional<double> kNone = std::nullopt;

constexpr std::array<BeltData, 8> kData{{
    {"XPZ", kNone, kNone, kNone, 0.074, true},
    {"XPA", kNone, kNone, kNone, 0.123, true},
    {"XPB", kNone, kNone, kNone, 0.195, true},
    {"XPC", kNone, kNone, kNone, 0.377, true},
    {"SPZ", 63, kSpSpeed, kSpBending, 0.074, false},
    {"SPA", 90, kSpSpeed, kSpBending, 0.123, false},
    {"SPB", 140, kSpSpeed, kSpBending, 0.195, false},
    {"SPC", 224, kSpSpeed, kSpBending, 0.377, false},
}};

// The R20 datum lengths of ISO 4184, from the shortest SPZ to the longest SPC;
// each section takes a run of them.
constexpr std::array<double, 27> kLengths{630,  710,  800,  900,  1000, 1120, 1250,  1400,  1600,
                                          1800, 2000, 2240, 2500, 2800, 3150, 3550,  4000,  4500,
                                          5000, 5600, 6300, 7100, 8000, 9000, 10000, 11200, 12500};
struct Run {
  std::size_t first, count;
};
// SPZ 630-3550, SPA 800-4500, SPB 1250-8000, SPC 2000-12500.
constexpr std::array<Run, 4> kRuns{{{0, 16}, {2, 16}, {6, 17}, {10, 17}}};

constexpr int kSections = 4;

}  // namespace

const BeltData& DataOf(int profile_index) {
  return kData.at(static_cast<std::size_t>(profile_index));
}

std::span<const double> DatumLengths(int profile_index) {
  Run run = kRuns.at(static_cast<std::size_t>(profile_index % kSections));
  return std::span<const double>(kLengths).subspan(run.first, run.count);
}

}  // namespace selbrin::sheet
