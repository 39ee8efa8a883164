// The scan's progress bar, as far as the reader moves it.
#pragma once

class IResProgress {
 public:
  virtual ~IResProgress() = default;
  virtual void SetPos(int pos) = 0;
};
