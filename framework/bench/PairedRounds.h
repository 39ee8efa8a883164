// Times the two sides of a benchmark's comparison in turns (A, B, A, B, ...
// over a number of rounds), so that a machine whose speed drifts slows both
// sides alike, and prints their fastest and median rounds, the ratio of the
// medians and of the minimums, and the spread of the ratio over the rounds.
// A round is the processor time of the calling thread, which other programs
// on a busy machine do not add to. For native benchmark programs only; no
// test uses it.
#pragma once

#include <time.h>

#include <algorithm>
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

// Processor seconds this thread has used.
inline double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

template <class Work>
double SecondsOf(Work&& work) {
  const double start = ThreadSeconds();
  work();
  return ThreadSeconds() - start;
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

// Three lines: each side's fastest and median round in milliseconds, then the
// ratio A / B of the medians (the steadier from run to run on a busy
// machine), of the minimums, and the lowest and highest ratio of one round.
inline void PrintPaired(const char* nameA, const char* nameB, const PairedRounds& p) {
  std::printf("  %-28s %9.3f ms fastest, %9.3f ms median (%zu rounds, thread time)\n", nameA, p.a.Min() * 1e3,
              p.a.Median() * 1e3, p.a.seconds.size());
  std::printf("  %-28s %9.3f ms fastest, %9.3f ms median\n", nameB, p.b.Min() * 1e3, p.b.Median() * 1e3);
  std::printf("  ratio %s / %s: %.2f of the medians (%.2f of the minimums; rounds %.2f to %.2f)\n", nameA, nameB,
              p.RatioOfMedians(), p.RatioOfMinimums(), p.LowestRoundRatio(), p.HighestRoundRatio());
}

}  // namespace lwbench
