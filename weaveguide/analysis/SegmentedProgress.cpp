#include "SegmentedProgress.h"

void CSegmentedProgress::SetPhaseRange(int steps, int phase) {
  if (!IsPhase(phase)) return;
  m_ranges[phase] = steps > 0 ? steps : 0;
  m_positions[phase] = 0;
  m_currentPhase = phase;
  Update();
}

void CSegmentedProgress::Step(int phase) {
  if (!IsPhase(phase)) return;
  if (m_positions[phase] < m_ranges[phase]) ++m_positions[phase];
  m_currentPhase = phase;
  Update();
}

void CSegmentedProgress::Update() { ShowPercent(GetPercent()); }

int CSegmentedProgress::GetPercent() const {
  long double weight = 1.0L;
  long double sum = 0.0L;
  for (int phase = 0; phase <= m_currentPhase; ++phase) {
    if (m_ranges[phase] <= 0) break;  // nothing to subdivide below a phase without steps
    // Multiplied before the division, so that whole percentages stay whole.
    sum += weight * m_positions[phase] * 100.0L / m_ranges[phase];
    weight /= m_ranges[phase];
  }
  int percent = static_cast<int>(sum);
  return percent < 0 ? 0 : percent > 100 ? 100 : percent;
}
