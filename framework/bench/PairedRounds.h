// Times the two sides of a benchmark's comparison in turns (A, B, A, B, ...
// over a number of rounds), so that a machine whose speed drifts slows both
// sides alike, and prints their fastest and median rounds, the ratio of the
// minimums and of the medians, and the spread of the ratio over the rounds.
// For benchmark programs only; no test uses it.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace lwbench {

// Seconds of each round of one side.
struct SideRounds {
  std::vector<double> seconds;

  double Min() const { return *std::min_element(seconds.begin(), seconds.end()); }
  double Median() const { return Sorted()[seconds.size() / 2]; }

 private:
  std::vector<double> Sorted() const {
    std::vector<double> s = seconds;
    std::sort(s.begin(), s.end());
    return s;
  }
};

struct PairedRounds {
  SideRounds a, b;

  double RatioOfMinimums() const { return a.Min() / b.Min(); }
  double RatioOfMedians() const { return a.Median() / b.Median(); }
  // The lowest and the highest ratio of one round's two sides.
  double LowestRoundRatio() const { return Extreme(false); }
  double HighestRoundRatio() const { return Extreme(true); }

 private:
  double Extreme(bool highest) const {
    double r = a.seconds[0] / b.seconds[0];
    for (size_t i = 1; i < a.seconds.size(); ++i) {
      const double q = a.seconds[i] / b.seconds[i];
      r = highest ? std::max(r, q) : std::min(r, q);
    }
    return r;
  }
};

template <class Work>
double SecondsOf(Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs sideA then sideB, rounds times (at least one).
template <class A, class B>
PairedRounds TimeInTurns(int rounds, A&& sideA, B&& sideB) {
  PairedRounds result;
  for (int r = 0; r < std::max(rounds, 1); ++r) {
    result.a.seconds.push_back(SecondsOf(sideA));
    result.b.seconds.push_back(SecondsOf(sideB));
  }
  return result;
}

// Two lines: each side's fastest and median round in milliseconds, then the
// ratio A / B of the minimums and of the medians with the rounds' spread.
inline void PrintPaired(const char* nameA, const char* nameB, const PairedRounds& p) {
  std::printf("  %-28s %9.3f ms fastest, %9.3f ms median (%zu rounds)\n", nameA, p.a.Min() * 1e3,
              p.a.Median() * 1e3, p.a.seconds.size());
  std::printf("  %-28s %9.3f ms fastest, %9.3f ms median\n", nameB, p.b.Min() * 1e3, p.b.Median() * 1e3);
  std::printf("  ratio %s / %s: %.2f of the minimums, %.2f of the medians, rounds %.2f to %.2f\n", nameA, nameB,
              p.RatioOfMinimums(), p.RatioOfMedians(), p.LowestRoundRatio(), p.HighestRoundRatio());
}

}  // namespace lwbench
