// Progress over nested phases: each phase subdivides one step of the
// phase before it.
#pragma once

class CSegmentedProgress {
 public:
  static const int kMaxPhases = 20;

  virtual ~CSegmentedProgress() = default;
  virtual void ShowPercent(int percent) = 0;

  // The phase gets steps steps and starts at 0; it becomes the current phase.
  void SetPhaseRange(int steps, int phase);
  // One step further in the phase, not beyond its range.
  void Step(int phase);
  // Shows the percentage of the current state.
  void Update();
  // 0..100 for the phases up to the current one; phases without steps add nothing.
  int GetPercent() const;

 private:
  static bool IsPhase(int phase) { return phase >= 0 && phase < kMaxPhases; }

  int m_positions[kMaxPhases] = {};
  int m_ranges[kMaxPhases] = {};
  int m_currentPhase = 0;
};
