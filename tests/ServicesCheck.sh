#!/usr/bin/env bash
# The services of the test command take what is free and leave the machine as
# they found it: an X display beside another server on the first free
# number, a Wayland compositor on a socket of its own, and CUPS with its PDF
# printer beside the machine's own, the machine's default printer unchanged;
# once stopped, none of their processes runs and their folder is gone.
# Skipped (77) where they cannot run: the cups-pdf backend runs as root only.
set -euo pipefail
# shellcheck source=../scripts/lib/services.sh
source "${1:?usage: ServicesCheck.sh <scripts folder>}/lib/services.sh"
for program in Xvfb xdpyinfo weston /usr/sbin/cupsd lp lpstat; do
  command -v "$program" >/dev/null || { echo "no $program"; exit 77; }
done
if [ "$(id -u)" != 0 ] || [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
  echo "needs root and cups-pdf"
  exit 77
fi

status=0
fail() {
  echo "FAIL: $*" >&2
  status=1
}
machine_default() { env -u CUPS_SERVER -u LPDEST -u PRINTER LC_ALL=C lpstat -d 2>&1 || true; }
# Another run of the services at the same time would add its folder here; the
# test shares a CTest resource lock with the crash-safety run.
service_folders() { compgen -G "/tmp/zuvelo-services.*" || true; }

unset ZUVELO_XVFB_DISPLAY
zuvelo_stop_services_at_exit zuvelo_stop_services
before=$(machine_default)
folders_before=$(service_folders)

zuvelo_start_xvfb
taken=$ZUVELO_TEST_DISPLAY
zuvelo_start_xvfb
[ "$ZUVELO_TEST_DISPLAY" != "$taken" ] || fail "a second display on $taken"
for display in "$taken" "$ZUVELO_TEST_DISPLAY"; do
  xdpyinfo -display "$display" >/dev/null 2>&1 || fail "no X server on $display"
done

zuvelo_start_weston
zuvelo_start_cups
# The scheduler's own default, and the user's through LPDEST.
for unset in LPDEST NOTHING; do
  [ "$(env -u "$unset" LC_ALL=C lpstat -d)" = "system default destination: PDF" ] ||
    fail "PDF is not the default with $unset unset: $(env -u "$unset" lpstat -d)"
done
echo "a sheet" | lp -t ServicesCheck >/dev/null
for _ in $(seq 150); do
  [ -z "$(lpstat -o)" ] && compgen -G "$ZUVELO_TEST_PRINTER_OUTPUT/ServicesCheck*.pdf" >/dev/null && break
  sleep 0.2
done
compgen -G "$ZUVELO_TEST_PRINTER_OUTPUT/ServicesCheck*.pdf" >/dev/null ||
  fail "no job in $ZUVELO_TEST_PRINTER_OUTPUT: $(ls -A "$ZUVELO_TEST_PRINTER_OUTPUT")"
[ -f "$ZUVELO_TEST_PRINTER_SPOOL/d00001-001" ] || fail "the job's document is not in $ZUVELO_TEST_PRINTER_SPOOL"
[ "$(machine_default)" = "$before" ] || fail "the machine's default printer changed: $(machine_default)"

pids=("${ZUVELO_SERVICE_PIDS[@]}")
folder=$ZUVELO_SERVICE_DIR
zuvelo_stop_services
for pid in "${pids[@]}"; do
  ! kill -0 "$pid" 2>/dev/null || fail "process $pid still runs: $(ps -o cmd= -p "$pid")"
done
# The scheduler's filters and backends work in its folder.
for cwd in /proc/[0-9]*/cwd; do
  case $(readlink "$cwd" 2>/dev/null) in
    "$folder"/*) fail "a process is left in the service folder: $(tr '\0' ' ' <"${cwd%/cwd}/cmdline")" ;;
  esac
done
if [ -z "$folder" ] || [ -e "$folder" ] || [ "$(service_folders)" != "$folders_before" ]; then
  fail "service folders are left: $(service_folders)"
fi
[ -z "${CUPS_SERVER:-}" ] || fail "CUPS_SERVER still names the stopped scheduler"
[ -z "${WAYLAND_DISPLAY:-}" ] || fail "WAYLAND_DISPLAY still names the stopped compositor"
[ "$(machine_default)" = "$before" ] || fail "the machine's default printer changed: $(machine_default)"
exit $status
