#include "returnengine/model/iOtherTaxes.h"

#include "returnengine/law/OtherTaxesCalc.h"

namespace osgrin {

std::string iOtherTaxes::CalcFicaMethod(std::string_view vsWages, std::int16_t vnYear) const {
    return tavrel::guarded(tavrel::Location("OtherTaxes.CalcFicaMethod"),
                           [&] { return OtherTaxesCalc::CalcFica(vsWages, vnYear); });
}

}  // namespace osgrin
