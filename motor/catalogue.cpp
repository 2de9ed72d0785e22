#include "motor/catalogue.h"

namespace selbrin {

std::optional<MotorData> FindMotor(double power, bool four_pole, bool compact) {
  for (const MotorRow& row : kMotorCatalogue) {
    if (row.power != power) continue;
    if (four_pole) return compact ? row.four_pole_compact : row.four_pole;
    return compact ? row.two_pole_compact : row.two_pole;
  }
  return std::nullopt;
}

}  // namespace selbrin
