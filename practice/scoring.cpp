#include "practice/scoring.h"

#include <algorithm>
#include <cmath>

namespace practice {

double score(bool right, int ms, int limitMs) {
  const double t = std::clamp(static_cast<double>(ms), 0.0, static_cast<double>(limitMs));
  return (right ? 1.0 : -1.0) * (1.0 - t / limitMs);
}

double expectedScore(double ability, double difficulty) {
  const double delta = ability - difficulty;
  // Near 0 the difference of two large terms loses precision; the series is exact enough.
  if (std::abs(delta) < 1e-3) return delta / 3.0;
  return 1.0 / std::tanh(delta) - 1.0 / delta;
}

double chanceRight(double ability, double difficulty) {
  return 1.0 / (1.0 + std::exp(-(ability - difficulty)));
}

double targetDifficulty(double ability, double chance) {
  return ability + std::log((1.0 - chance) / chance);
}

int coinsLeft(int ms, int limitMs, int coins) {
  if (ms <= 0) return coins;
  if (ms >= limitMs) return 0;
  // Ceiling of the remaining share, so a coin falls only once its interval has passed.
  return static_cast<int>((static_cast<long long>(limitMs - ms) * coins + limitMs - 1) / limitMs);
}

double ratingStep(int answersSeen, double first, double floor, double halfAfter) {
  return std::max(floor, first / (1.0 + std::max(0, answersSeen) / halfAfter));
}

}  // namespace practice
