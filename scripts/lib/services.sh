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
    ZUVELO_SERVICE_DIR=""
  fi
}

# A virtual X display for tests that start the installed program, of
# ZUVELO_XVFB_SIZE pixels (default 1920x1080).
zuvelo_start_xvfb() {
  local display=:${ZUVELO_XVFB_DISPLAY:-87}
  Xvfb "$display" -screen 0 "${ZUVELO_XVFB_SIZE:-1920x1080}x24" -nolisten tcp >"$(zuvelo_service_dir)/xvfb.log" 2>&1 &
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

# A headless PulseAudio server with a virtual microphone. Sound played into
# the null sink "micsink" comes back from the default source "virtmic", its
# monitor remapped into an ordinary mono source (Qt hides monitor sources).
# Another null sink is the default output. Loopbacks of silence keep both
# sinks at a low latency, so that the monitor delivers data at once and the
# played time of a stream advances smoothly, as on a sound card.
zuvelo_start_pulseaudio() {
  local dir
  # Made in this shell, not in a command substitution, so that it is removed at the end.
  zuvelo_service_dir >/dev/null
  dir="$(zuvelo_service_dir)/pulse"
  mkdir -p "$dir/runtime"
  chmod 700 "$dir" "$dir/runtime"
  cat >"$dir/server.pa" <<PA
load-module module-native-protocol-unix socket=$dir/native auth-anonymous=1
load-module module-null-sink sink_name=micsink rate=48000 channels=1 channel_map=mono sink_properties=device.description=micsink
load-module module-null-sink sink_name=speakers rate=48000 sink_properties=device.description=speakers
load-module module-remap-source source_name=virtmic master=micsink.monitor channels=1 channel_map=mono source_properties=device.description=virtmic
load-module module-null-source source_name=silence rate=48000 channels=1 channel_map=mono
load-module module-loopback source=silence sink=micsink latency_msec=1 source_dont_move=true sink_dont_move=true
load-module module-loopback source=silence sink=speakers latency_msec=1 source_dont_move=true sink_dont_move=true
set-default-source virtmic
set-default-sink speakers
PA
  export XDG_RUNTIME_DIR="$dir/runtime"
  export PULSE_RUNTIME_PATH="$dir/runtime"
  export PULSE_SERVER="unix:$dir/native"
  pulseaudio -n -F "$dir/server.pa" --daemonize=no --exit-idle-time=-1 --disallow-exit=yes \
    --enable-memfd=no >"$dir/pulseaudio.log" 2>&1 &
  ZUVELO_SERVICE_PIDS+=($!)
  # The virtual microphone delivers data a while after the server is up.
  local tries
  for tries in $(seq 100); do
    if [ "$(timeout 2 parecord --raw --format=u8 --rate=8000 --channels=1 2>/dev/null | head -c 400 | wc -c)" -ge 400 ]; then
      return 0
    fi
    sleep 0.1
  done
  echo "PulseAudio did not deliver sound from the virtual microphone" >&2
  return 1
}

# CUPS with one printer "PDF" (cups-pdf, A4) that stands in for paper: each
# job becomes a PDF file in the submitting user's home under PDF/. The
# printer is made the default one.
zuvelo_start_cups() {
  zuvelo_service_dir >/dev/null
  /usr/sbin/cupsd -f >"$(zuvelo_service_dir)/cupsd.log" 2>&1 &
  ZUVELO_SERVICE_PIDS+=($!)
  local tries
  for tries in $(seq 100); do
    if lpstat -r 2>/dev/null | grep -q 'is running'; then
      break
    fi
    sleep 0.1
  done
  if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    echo "CUPS did not start" >&2
    return 1
  fi
  lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -o PageSize=A4
  lpadmin -d PDF
  export ZUVELO_TEST_PRINTER=PDF
  export ZUVELO_TEST_PRINTER_OUTPUT="$HOME/PDF"
}

# The screens the full-screen windows are photographed on: a small laptop, a
# common full-HD screen, a 4K screen and a 4:3 projector.
ZUVELO_SCREEN_SIZES=(1280x720 1920x1080 3840x2160 1024x768)

# Runs the screenshot driver given with the folder <folder>/<size> on a
# virtual X display of each of those sizes in turn.
zuvelo_shoot_each_screen_size() {
  local driver=$1 out=$2 size
  for size in "${ZUVELO_SCREEN_SIZES[@]}"; do
    ZUVELO_XVFB_SIZE=$size zuvelo_start_xvfb
    DISPLAY=$ZUVELO_TEST_DISPLAY QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$driver" "$out/$size"
    zuvelo_stop_services
  done
}
