#pragma once

namespace Basics {

// The module and class names that log lines carry ("[Library]:[TTable]:"),
// which log collectors filter by: one spelling each, in one place.
namespace LogModule {
inline constexpr char Library[] = "Library";
inline constexpr char Host[] = "Host";
inline constexpr char CommandLine[] = "veltrum";
} // namespace LogModule

namespace LogClass {
inline constexpr char Table[] = "TTable";
inline constexpr char ValueList[] = "TValueList";
inline constexpr char ArchTable[] = "TArchTable";
inline constexpr char Report[] = "TReport";
inline constexpr char ArchInfos[] = "TArchInfos";
inline constexpr char JobParser[] = "TJobParser";
inline constexpr char Summary[] = "TSummary";
inline constexpr char ReportNode[] = "TReportNode";
inline constexpr char WorkspaceLists[] = "TWorkspaceLists";
inline constexpr char DayFigures[] = "TDayFigures";
inline constexpr char PaidTablesDoc[] = "TPaidTablesDoc";
inline constexpr char Turnover[] = "turnover";
inline constexpr char UploadFailed[] = "upload statist failed";
inline constexpr char CloudUpload[] = "turnover cloud upload";
inline constexpr char Veltrum[] = "TVeltrum";
inline constexpr char WalkCatalogue[] = "TWalkCatalogue";
inline constexpr char TimeControlList[] = "TTimeControlList";
inline constexpr char TimeControlsDoc[] = "TTimeControlsDoc";
inline constexpr char OffConfig[] = "TOffConfig";
inline constexpr char OffApplication[] = "TOffApplication";
inline constexpr char CommandLine[] = "veltrum";
inline constexpr char Installation[] = "TInstallation";
inline constexpr char OffDocument[] = "TOffDocument";
inline constexpr char PrintEngine[] = "TPrintEngine";
inline constexpr char IntermediateLists[] = "TIntermediateLists";
} // namespace LogClass

} // namespace Basics
