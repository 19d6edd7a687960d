#pragma once
// The bodies of the report's sections 0 to 6, each below its title on one
// page of its own. Each reads only the report's copy of the image; a value
// without a printable form throws PrintFailure.
#include "printing/ReportContext.h"

namespace zx {

void PrintOptionalFeatures(const ReportContext& report);
void PrintKeyAssignment(const ReportContext& report);
void PrintScanInformation(const ReportContext& report);
void PrintDtmfSection(const ReportContext& report);
void PrintFleetSyncSection(const ReportContext& report);
void PrintTestFrequencySection(const ReportContext& report);
void PrintEmbeddedMessageSection(const ReportContext& report);

}  // namespace zx
