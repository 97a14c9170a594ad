# Services the tests talk to, each started here and stopped by its process id.
ZUVELO_SERVICE_PIDS=()
ZUVELO_SERVICE_DIR=""

zuvelo_service_dir() {
  if [ -z "$ZUVELO_SERVICE_DIR" ]; then
    ZUVELO_SERVICE_DIR=$(mktemp -d /tmp/zuvelo-services.XXXXXX)
  fi
  echo "$ZUVELO_SERVICE_DIR"
}

zuvelo_stop_services() {
  local pid
  for pid in "${ZUVELO_SERVICE_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${ZUVELO_SERVICE_PIDS[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  ZUVELO_SERVICE_PIDS=()
  if [ -n "$ZUVELO_SERVICE_DIR" ]; then
    rm -rf "$ZUVELO_SERVICE_DIR"
  fi
}

# A virtual X display for tests that start the installed program.
zuvelo_start_xvfb() {
  local display=:${ZUVELO_XVFB_DISPLAY:-87}
  Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >"$(zuvelo_service_dir)/xvfb.log" 2>&1 &
  ZUVELO_SERVICE_PIDS+=($!)
  local tries
  for tries in $(seq 50); do
    if xdpyinfo -display "$display" >/dev/null 2>&1; then
      export ZUVELO_TEST_DISPLAY=$display
      return 0
    fi
    sleep 0.1
  done
  echo "Xvfb did not start" >&2
  return 1
}
