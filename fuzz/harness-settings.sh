# Sourced by run.sh and smoke.sh: the settings of harness $harness.
#   kind     the seed corpus and dictionary it uses (returns are read from scenario files)
#   max_len  the largest input worth mutating for it
kind="${harness%_fast}"
[[ "$kind" == return ]] && kind=scenario
case "$kind" in
numeric) max_len=256 ;;
profile | ratefile) max_len=16384 ;;
scenario) max_len=8192 ;;
*) echo "unknown harness $harness" >&2; exit 2 ;;
esac
