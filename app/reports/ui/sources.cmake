# Sources of this folder that go into tavrel_ui.
list(APPEND TAVREL_REPORTS_UI_SOURCES
  reports/GraphHelper.cpp
  reports/ui/GraphChart.cpp
  reports/ui/PrintOutput.cpp
  reports/ui/ProgressWindow.cpp
  reports/ui/QtReportOutputs.cpp
  reports/ui/ReportFont.cpp
  reports/ui/ReportWindow.cpp
  reports/ui/ScreenDestination.cpp
  reports/ui/WindowPlacement.cpp
)
