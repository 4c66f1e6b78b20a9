# Sources of this folder that go into tavrel_ui.
list(APPEND TAVREL_SHELL_UI_SOURCES
  shell/ui/ErrorWarningDialog.cpp
  shell/ui/HelpWindow.cpp
  shell/ui/InteractiveMain.cpp
  shell/ui/InteractiveShell.cpp
  shell/ui/MainWindow.cpp
  shell/ui/QtErrorReporter.cpp
  shell/ui/StartupWindows.cpp
  shell/ui/QtDialogService.cpp
  shell/ui/ReportChoicesDialog.cpp
)
