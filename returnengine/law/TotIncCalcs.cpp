#include "returnengine/law/TotIncCalcs.h"

#include "returnengine/law/CommonTaxCalcs.h"
#include "returnengine/law/EntryPoints.h"
#include "returnengine/law/LawTrap.h"
#include "returnengine/law/YearRules.h"
#include "returnengine/model/iTop.h"

namespace osgrin::TotIncCalcs {

using CommonTaxCalcs::amountLeft;

Currency CalcTotInc(iTop& r) {
    return lawTrap("TotIncCalcs.CalcTotInc", [&] {
        iInc& inc = r.inc();
        const Currency net1231 = inc.whole(iInc::Sec1231Gains) - inc.whole(iInc::Sec1231Losses);
        inc.set(iInc::Sec1231Netted, net1231);
        // A net section 1231 loss is ordinary and enters here in full; a net gain
        // enters only as a long-term gain through the capital gains.
        const Currency capGains = CalcCapGains(r);
        inc.set(iInc::CapGains, capGains);
        const Currency total = inc.whole(iInc::WageSp1) + inc.whole(iInc::WageSp2) + capGains +
                               inc.whole(iInc::OtherNonSEInc) + inc.whole(iInc::SEIncSp1) + inc.whole(iInc::SEIncSp2) +
                               (net1231 <= Currency() ? net1231 : Currency()) + inc.whole(iInc::Dividends);
        r.set(iTop::TotalInc, total);
        return total;
    });
}

Currency CalcCapGains(iTop& r) {
    return lawTrap("TotIncCalcs.CalcCapGains", [&] {
        iInc& inc = r.inc();
        const Currency netST = inc.whole(iInc::STCG) - inc.whole(iInc::STCLCarryOver);
        inc.set(iInc::NetSTCG, netST);
        const Currency netted = inc.whole(iInc::Sec1231Netted);
        const Currency gain1231 = netted > Currency() ? netted : Currency();
        const Currency netLT = inc.whole(iInc::LTCG) + gain1231 - inc.whole(iInc::LTCLCarryOver);
        inc.set(iInc::NetLTCG, netLT);
        const Currency net = netST + netLT;
        // Dividends take the gain rates only in the years the law gives them those.
        const Currency dividends = law::yearRules(r).dividendsAtGainRates ? inc.whole(iInc::Dividends) : Currency();
        Currency adjusted = dividends;
        if (netLT >= Currency()) {
            if (netST > Currency())
                adjusted = netLT + dividends;
            else if (net > Currency())
                adjusted = net + dividends;
        }
        inc.set(iInc::AdjNetCG, adjusted);  // the loss limit does not touch it
        const Currency limited = law::rules::limitCapitalLoss(net, r.FilingStatus());
        inc.set(iInc::CapGains, limited);
        return limited;
    });
}

void CalcCapLossCarryforward(iTop& r) {
    lawTrap("TotIncCalcs.CalcCapLossCarryforward", [&] {
        iInc& inc = r.inc();
        const Currency netLT = inc.whole(iInc::NetLTCG);
        const Currency netST = inc.whole(iInc::NetSTCG);
        const Currency total = netLT + netST;
        Currency stCarry, ltCarry;
        const Currency loss = inc.whole(iInc::CapGains);
        // Taxable income before exemptions, as the carryover worksheet starts
        // from it (below zero too, also where taxable income stops at zero).
        const Currency base = law::yearRules(r).taxableIncomeFloorAtZero
                                  ? r.whole(iTop::AGI) - r.whole(iTop::ItemOrStdDed)
                                  : r.whole(iTop::TaxInc) + r.whole(iTop::ExemptionDed);
        auto abs = [](Currency c) { return c < Currency() ? -c : c; };
        const bool nothingCarries =
            total >= Currency() || loss >= Currency() || (base >= Currency() && abs(loss) >= abs(total));
        if (!nothingCarries) {
            // The capital loss carryover worksheet.
            const Currency allowed =
                tavrel::minMax(abs(loss), tavrel::minMax(base + abs(loss), Currency(), true), false);
            Currency stLoss;
            if (netST < Currency()) {
                stLoss = abs(netST);
                const Currency ltGain = netLT > Currency() ? netLT : Currency();
                stCarry = amountLeft(stLoss, allowed + ltGain);
            }
            const Currency ltLoss = netLT <= Currency() ? abs(netLT) : Currency();
            const Currency stGain = netST >= Currency() ? netST : Currency();
            ltCarry = amountLeft(ltLoss, stGain + amountLeft(allowed, stLoss));
        }
        inc.set(iInc::STCLCarryforward, stCarry);
        inc.set(iInc::LTCLCarryforward, ltCarry);
    });
}

}  // namespace osgrin::TotIncCalcs
