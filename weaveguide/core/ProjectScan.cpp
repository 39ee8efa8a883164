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
  } catch (const CFileException& e) {
    outcome.file = e.m_strFileName;
    outcome.error = e.GetErrorMessage();
  } catch (const CArchiveException& e) {
    outcome.file = e.m_strFileName;
    outcome.error = e.GetErrorMessage();
  } catch (const CException& e) {
    outcome.error = e.GetErrorMessage();
  } catch (const std::bad_alloc&) {
    outcome.outOfMemory = true;
    outcome.error = _T("Out of memory.");
  }
  if (!outcome.completed && !outcome.outOfMemory && outcome.file.IsEmpty()) outcome.file = settings.m_projectPath;
  return outcome;
}
