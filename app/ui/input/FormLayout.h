#pragma once
// The pages of the input form, built from the field table and the caption
// table: one grid per page, a line per label with its controls in the year and
// spouse columns, the year captions above the lines they head.

#include <functional>
#include <map>
#include <string>

class QTabWidget;
class QWidget;

namespace tavrel::ui {

// Every named control of the form by object name ("txtWages_2", "lblSpouse1").
using ControlMap = std::map<std::string, QWidget*, std::less<>>;

// Adds the four pages to the tab widget and records every control and label it
// creates, each with its object name.
void buildPages(QTabWidget& tabs, ControlMap& controls);

}  // namespace tavrel::ui
