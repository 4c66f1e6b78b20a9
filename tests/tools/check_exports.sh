#!/usr/bin/env bash
# The engine libraries export their public API and none of their internals:
# the law's rules and tables, the rate schedules and the profile text parser.
#   tests/tools/check_exports.sh BIN_DIR
set -euo pipefail
bin="${1:?usage: check_exports.sh BIN_DIR}"
status=0
# The names of the defined dynamic symbols, one per line.
exports() { nm -D --defined-only -C "$bin/$1" | awk '{ $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }
for lib in libosgrin.so libmirvane.so; do
  leaked="$(exports "$lib" | grep -E '^(osgrin::(law|rules|CommonTaxCalcs|TotIncCalcs|Adj2IncCalcs|ItemDedCalcs|AltMinTaxCalcs|OtherTaxesCalc|TaxCrCalcs|TopComputations|Calcs20[0-9]+)::|tavrel::platform::(IniText|RateTable|TaxSchedule|TableRateSchedule|libraryFolder|rateFilePath)|tavrel::(Currency|guarded|toFixed))' || true)"
  if [[ -n "$leaked" ]]; then
    echo "$lib exports internals:"; echo "$leaked" | head -20; status=1
  fi
done
# The public API is there.
for want in "libosgrin.so:osgrin::iTop::Calculate" "libosgrin.so:osgrin::Persist::Save" "libosgrin.so:typeinfo for tavrel::TaxError" \
            "libmirvane.so:mirvane::AMT::clone" "libmirvane.so:mirvane::RunAnalysisProtocol" "libmirvane.so:mirvane::LoadScenario"; do
  names="$(exports "${want%%:*}")"
  grep -qF "${want#*:}" <<< "$names" || { echo "${want%%:*} does not export ${want#*:}"; status=1; }
done
exit $status
