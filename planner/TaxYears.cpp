#include "planner/TaxYears.h"

#include "planner/AMT.h"

namespace mirvane {

void putUnderLaw(AMT& p, osgrin::LawEdition law) {
    const std::int16_t years[2] = {kCurrentTaxYear, nextColumnLawYear(law)};
    iTop* entered[2] = {&p.cur(), &p.nxt()};
    for (int i = 0; i < 2; ++i) {
        entered[i]->BeginEdit();
        entered[i]->letTaxYearNumber(years[i]);
        entered[i]->setLawEdition(law);
    }
}

}  // namespace mirvane
