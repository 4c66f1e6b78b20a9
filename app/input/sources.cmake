# Sources of this folder that go into tavrel_ui.
list(APPEND TAVREL_INPUT_SOURCES
  input/FieldBinding.cpp
  input/FieldTable.cpp
  input/FilingStatusRule.cpp
  input/FormHelpers.cpp
  input/FormLayout.cpp
  input/TextChange.cpp
  input/frmIP.cpp
)
