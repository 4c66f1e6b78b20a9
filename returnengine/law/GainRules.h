#pragma once
// The capital-gain rules: the regular tax with the gain rates (the year's
// worksheet) and the AMT's part on the gains. Each form is written once and
// reads its rates and bracket tops from the year's row.

#include "returnengine/law/CommonTaxCalcs.h"
#include "returnengine/law/YearLaw.h"

namespace osgrin {
class iTop;
}

namespace osgrin::law::rules {

// The regular tax with the capital-gain rates, by the year's worksheet; also
// writes the amount taxed at the low rate (Sec_1_h_1_B_Amount).
Currency schedDTax(iTop& r, const YearLaw& law);

// The AMT on the net capital gain, by the year's AMT form.
Currency amtCapGainTax(const iTop& r, const YearLaw& law, AmtWorkRecord& record);

}  // namespace osgrin::law::rules
