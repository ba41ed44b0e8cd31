#pragma once
// The high-speed, high-stakes scoring rule (Maris & van der Maas 2012) and the Elo-type
// rating on it (Klinkenberg, Straatemeier & van der Maas 2011). Abilities and
// difficulties are on one logit scale; with the discrimination set to 1 / limit, the
// chance of a right answer is 1 / (1 + e^-(ability - difficulty)).

namespace practice {

// S = (2x - 1)(1 - t/d): a fast right answer nears 1, a fast wrong one -1. An answer
// at or past the limit scores 0. `ms` below 0 counts as 0.
double score(bool right, int ms, int limitMs);

// The score a child of this ability expects on a question of this difficulty:
// coth(delta) - 1/delta for delta = ability - difficulty.
double expectedScore(double ability, double difficulty);

// The chance of a right answer, 1 / (1 + e^-(ability - difficulty)).
double chanceRight(double ability, double difficulty);

// The difficulty at which the chance of a right answer is `chance`:
// ability + ln((1 - chance) / chance), below the ability for a chance above 0.5.
double targetDifficulty(double ability, double chance);

// Coins still in the row `ms` into a question: one of `coins` falls every limit/coins.
int coinsLeft(int ms, int limitMs, int coins);

// The step of the rating: large while few answers are seen, falling to a floor.
double ratingStep(int answersSeen, double first, double floor, double halfAfter);

}  // namespace practice
