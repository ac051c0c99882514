#include "core/angle_integral.h"

namespace tervolin {

double IntegralOverAngles(const AngleTable& perAngle, double pi) {
  double sum = 0.0;  // the 0° value is 0
  for (int j = 1; j < kAngles; ++j) sum += (j % 2 == 1 ? 4.0 : 2.0) * perAngle[j];
  sum += perAngle[kAngles];
  return sum * (pi / 180.0) / 3.0;
}

}  // namespace tervolin
