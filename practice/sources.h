#pragma once
// Time and chance for adaptive practice, handed in so that a test or a simulation owns
// them: the day (for the review boxes) and milliseconds (for the answer times).

namespace practice {

class Clock {
 public:
  virtual ~Clock() = default;
  // Whole days; only differences matter (a Julian day number does).
  virtual int today() const = 0;
  virtual long long nowMs() const = 0;
};

class Random {
 public:
  virtual ~Random() = default;
  // A draw in [0, 1).
  virtual double draw() = 0;
};

}  // namespace practice
