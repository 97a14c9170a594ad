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

# The virtual microphones, the same on every sound server: sound played into
# the stereo null sink "micsink" comes back from "virtmic", the default input,
# its monitor remapped into an ordinary stereo source (Qt hides monitor
# sources); sound played into the mono null sink "monosink" comes back from
# the mono input "monomic". Another null sink "speakers" is the default output.
ZUVELO_MICROPHONE_MODULES=(
  "module-null-sink sink_name=micsink rate=48000 channels=2 channel_map=front-left,front-right sink_properties=device.description=micsink"
  "module-null-sink sink_name=monosink rate=48000 channels=1 channel_map=mono sink_properties=device.description=monosink"
  "module-null-sink sink_name=speakers rate=48000 sink_properties=device.description=speakers"
  "module-remap-source source_name=virtmic master=micsink.monitor channels=2 channel_map=front-left,front-right source_properties=device.description=virtmic"
  "module-remap-source source_name=monomic master=monosink.monitor channels=1 channel_map=mono source_properties=device.description=monomic"
)

# Waits until the default input delivers data, which it does a while after
# the server is up.
zuvelo_await_microphone() {
  local tries
  for tries in $(seq 100); do
    if [ "$(timeout 2 parecord --latency-msec=20 --raw --format=u8 --rate=8000 --channels=1 2>/dev/null | head -c 400 | wc -c)" -ge 400 ]; then
      return 0
    fi
    sleep 0.1
  done
  echo "$1 did not deliver sound from the virtual microphone" >&2
  return 1
}

# A private runtime, state and configuration folder for a sound server, so
# that nothing of the user's or another run's servers is seen or changed.
zuvelo_sound_server_env() {
  local dir=$1
  mkdir -p "$dir/runtime" "$dir/state" "$dir/config"
  chmod 700 "$dir" "$dir/runtime"
  export XDG_RUNTIME_DIR="$dir/runtime"
  export XDG_STATE_HOME="$dir/state"
  export XDG_CONFIG_HOME="$dir/config"
  export PULSE_RUNTIME_PATH="$dir/runtime"
}

# A headless PulseAudio server with the virtual microphones. Loopbacks of
# silence keep the sinks at a low latency, so that the monitors deliver data
# at once and the played time of a stream advances smoothly, as on a sound
# card.
zuvelo_start_pulseaudio() {
  local dir module
  # Made in this shell, not in a command substitution, so that it is removed at the end.
  zuvelo_service_dir >/dev/null
  dir="$(zuvelo_service_dir)/pulse"
  zuvelo_sound_server_env "$dir"
  {
    echo "load-module module-native-protocol-unix socket=$dir/native auth-anonymous=1"
    for module in "${ZUVELO_MICROPHONE_MODULES[@]}"; do
      echo "load-module $module"
    done
    echo "load-module module-null-source source_name=silence rate=48000 channels=1 channel_map=mono"
    for module in micsink monosink speakers; do
      echo "load-module module-loopback source=silence sink=$module latency_msec=1 source_dont_move=true sink_dont_move=true"
    done
    echo "set-default-source virtmic"
    echo "set-default-sink speakers"
  } >"$dir/server.pa"
  export PULSE_SERVER="unix:$dir/native"
  export ZUVELO_SOUND_SERVER=pulseaudio
  pulseaudio -n -F "$dir/server.pa" --daemonize=no --exit-idle-time=-1 --disallow-exit=yes \
    --enable-memfd=no >"$dir/pulseaudio.log" 2>&1 &
  ZUVELO_SERVICE_PIDS+=($!)
  zuvelo_await_microphone PulseAudio
}

# Waits up to five seconds for a socket to appear.
zuvelo_await_socket() {
  local tries
  for tries in $(seq 100); do
    [ -S "$1" ] && return 0
    sleep 0.05
  done
  echo "no socket $1" >&2
  return 1
}

# PipeWire as Debian's desktops run it, with their own configuration: the
# server, its session manager WirePlumber and its PulseAudio service
# pipewire-pulse, on a session bus of their own, with the virtual microphones
# loaded through the PulseAudio service.
zuvelo_start_pipewire() {
  local dir module
  zuvelo_service_dir >/dev/null
  dir="$(zuvelo_service_dir)/pipewire"
  zuvelo_sound_server_env "$dir"
  export PIPEWIRE_RUNTIME_DIR="$dir/runtime"
  dbus-daemon --session --nofork --nopidfile --address="unix:path=$dir/bus" >"$dir/dbus.log" 2>&1 &
  ZUVELO_SERVICE_PIDS+=($!)
  zuvelo_await_socket "$dir/bus" || return 1
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/bus"
  pipewire >"$dir/pipewire.log" 2>&1 &
  ZUVELO_SERVICE_PIDS+=($!)
  zuvelo_await_socket "$dir/runtime/pipewire-0" || return 1
  wireplumber >"$dir/wireplumber.log" 2>&1 &
  ZUVELO_SERVICE_PIDS+=($!)
  pipewire-pulse >"$dir/pipewire-pulse.log" 2>&1 &
  ZUVELO_SERVICE_PIDS+=($!)
  zuvelo_await_socket "$dir/runtime/native" || return 1
  export PULSE_SERVER="unix:$dir/runtime/native"
  export ZUVELO_SOUND_SERVER=pipewire
  for module in "${ZUVELO_MICROPHONE_MODULES[@]}"; do
    # shellcheck disable=SC2086 # the module's arguments are words of their own
    pactl load-module $module >/dev/null || return 1
  done
  pactl set-default-source virtmic && pactl set-default-sink speakers || return 1
  # A listener on each microphone keeps its path running, as the loopbacks of
  # silence do on PulseAudio: an idle path would hold the end of a sound
  # played earlier and hand it to the next recording.
  for module in virtmic monomic; do
    parecord --raw --latency-msec=20 --device=$module >/dev/null 2>&1 &
    ZUVELO_SERVICE_PIDS+=($!)
  done
  zuvelo_await_microphone PipeWire
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
