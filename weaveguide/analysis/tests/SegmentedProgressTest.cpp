#include "AnalysisTestUtil.h"
#include "SegmentedProgress.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const int kPastLast = CSegmentedProgress::kMaxPhases + 100;

using lwtest::RecordingProgress;

TEST(SegmentedProgress, FiveStepsAndOneBeyond) {
  RecordingProgress p;
  p.SetPhaseRange(5, 0);
  for (int i = 0; i < 6; ++i) p.Step(0);
  EXPECT_EQ((std::vector<int>{0, 20, 40, 60, 80, 100, 100}), p.shown);
}

TEST(SegmentedProgress, NestedPhasesSubdivideOneStep) {
  RecordingProgress p;
  p.SetPhaseRange(4, 0);
  p.Step(0);             // 25
  p.SetPhaseRange(2, 1); // 25
  p.Step(1);             // 25 + 12.5
  p.Step(1);             // 50
  p.Step(1);             // clamped
  p.SetPhaseRange(3, 2); // one sub-step of phase 1 in three: 50 + 12.5 * k / 3
  p.Step(2);
  p.Step(0);             // back in phase 0: 50
  EXPECT_EQ((std::vector<int>{0, 25, 25, 37, 50, 50, 50, 54, 50}), p.shown);
}

TEST(SegmentedProgress, PhasesWithoutStepsAndOutOfRangePhases) {
  RecordingProgress p;
  p.SetPhaseRange(0, 0);
  p.Step(0);
  p.SetPhaseRange(2, 1);  // below a phase without steps nothing counts
  p.Step(1);
  p.Step(-1);
  p.Step(20);
  p.SetPhaseRange(3, 99);
  EXPECT_EQ((std::vector<int>{0, 0, 0, 0}), p.shown);
}

TEST(SegmentedProgress, ZeroRangeBelowCountedStepsAddsNothing) {
  RecordingProgress p;
  p.SetPhaseRange(5, 0);
  p.Step(0);
  p.Step(0);              // 40
  p.SetPhaseRange(0, 1);  // nothing to subdivide: still 40
  p.Step(1);
  p.SetPhaseRange(4, 20); // past the last phase: ignored
  p.Step(kPastLast);
  p.Step(0);              // 60
  EXPECT_EQ((std::vector<int>{0, 20, 40, 40, 40, 60}), p.shown);
}

}  // namespace
