#include "ProjectScan.h"

#include "DspReader.h"

#include <new>

GuideScanOutcome GuideScanProject(CIntegrationSettings& settings, CSegmentedProgress* progress) {
  GuideScanOutcome outcome;
  try {
    CDspReader reader(settings.m_projectPath);
    reader.Read();
    settings.RunScan(reader.CreateProjectFileList(), progress);
    outcome.completed = true;
  } catch (const CException& e) {
    outcome.error = e.GetErrorMessage();
  } catch (const std::bad_alloc&) {
    outcome.error = _T("Out of memory.");
  }
  return outcome;
}
