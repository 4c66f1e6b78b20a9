#include "planner/ScenarioFile.h"

#include "planner/AMT.h"
#include "planner/TaxYears.h"

#include "common/TaxError.h"
#include "platform/ProfileTransaction.h"
#include "returnengine/model/Persist.h"

namespace mirvane {
namespace {

bool holdsScenarioSection(tavrel::platform::ProfileTransaction& file) {
    return file.hasSection("AMT") || file.hasSection("Scenario1") || file.hasSection("Scenario2");
}

template <class F>
void forEachReturn(AMT& p, F&& f) {
    for (iTop* r : {&p.cur(), &p.nxt(), &p.curAcc(), &p.nxtAcc()}) f(*r);
}

}  // namespace

std::shared_ptr<AMT> NewScenario() {
    auto planner = std::make_shared<AMT>();
    planner->setGoCurYear(std::make_shared<iTop>());
    planner->setGoNxtYear(std::make_shared<iTop>());
    planner->setGoCurYearAcc(std::make_shared<iTop>());
    planner->setGoNxtYearAcc(std::make_shared<iTop>());
    int column = 1;
    forEachReturn(*planner, [&](iTop& r) { r.setColumnIdx(column++); });
    return planner;
}

bool IsScenarioFile(const std::string& file) {
    tavrel::platform::ProfileTransaction reading(file);
    return holdsScenarioSection(reading);
}

void LoadScenario(AMT& planner, const std::string& file) {
    tavrel::platform::ProfileTransaction reading(file);
    if (!holdsScenarioSection(reading)) {
        throw tavrel::TaxError(tavrel::err::TypeMismatch, "Type mismatch",
                               "the file is not a scenario file: it holds none of the sections [AMT], [Scenario1] "
                               "and [Scenario2]");
    }
    planner.Load(file);
    planner.cur().Load(file);
    planner.nxt().Load(file);
}

void SaveScenario(AMT& planner, const std::string& file) {
    tavrel::platform::ProfileTransaction saving(file);
    planner.Save(file);
    planner.ApplyEdit(file);
    forEachReturn(planner, [&](iTop& r) {
        // A return's own inputs decide whether it is written: one it holds,
        // assigned its own value, marks a return still being edited dirty.
        r.letProperty("Dependents", r.getProperty("Dependents"));
        osgrin::Persist::Save(file, r);
        r.ApplyEdit(file);
    });
    saving.commit();
}

void OpenForAnalysis(AMT& planner, const std::string& file, osgrin::LawEdition law) {
    LoadScenario(planner, file);
    putUnderLaw(planner, law);
}

}  // namespace mirvane
