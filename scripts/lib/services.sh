# shellcheck shell=bash
# Services the tests talk to, each started here and stopped by its process id,
# with their files in one folder that is removed when they stop. A service
# changes nothing outside that folder: the X display takes a free number, and
# CUPS is a scheduler of our own with its own configuration and queue.
ZUVELO_SERVICE_PIDS=()
ZUVELO_SERVICE_DIR=""

# Makes the folder of the services once. Called in the shell that stops the
# services later, never in a command substitution: the subshell's assignment
# would be lost and the folder left behind.
zuvelo_make_service_dir() {
  if [ -z "$ZUVELO_SERVICE_DIR" ]; then
    ZUVELO_SERVICE_DIR=$(mktemp -d /tmp/zuvelo-services.XXXXXX)
    # CUPS runs its filters as the user lp, who must reach the spool folder in here.
    chmod 711 "$ZUVELO_SERVICE_DIR"
  fi
}

# Ends a process this shell started: SIGTERM, SIGKILL after ten seconds. A
# number that is no longer our child's (the service ended and the number went
# to another process) is left alone.
zuvelo_stop_pid() {
  local pid=$1
  if [ "$(ps -o ppid= -p "$pid" 2>/dev/null | tr -d ' ')" = "$BASHPID" ]; then
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 100); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
      kill -KILL "$pid" 2>/dev/null || true
    fi
  fi
  wait "$pid" 2>/dev/null || true
}

zuvelo_stop_services() {
  local pid index
  # The last started first: a client goes before the server it talks to.
  for ((index = ${#ZUVELO_SERVICE_PIDS[@]} - 1; index >= 0; index--)); do
    zuvelo_stop_pid "${ZUVELO_SERVICE_PIDS[index]}"
  done
  ZUVELO_SERVICE_PIDS=()
  if [ -n "$ZUVELO_SERVICE_DIR" ]; then
    rm -rf "$ZUVELO_SERVICE_DIR"
    ZUVELO_SERVICE_DIR=""
  fi
  unset CUPS_SERVER LPDEST WAYLAND_DISPLAY ZUVELO_WESTON_CONTROL
}

# Runs the function named (zuvelo_stop_services, or the script's own that
# calls it) when the script ends, also on Ctrl-C, SIGTERM or a hang-up.
zuvelo_stop_services_at_exit() {
  # shellcheck disable=SC2064 # the function is named now
  trap "$1" EXIT
  trap 'exit 129' HUP
  trap 'exit 130' INT
  trap 'exit 143' TERM
}

# A virtual X display for tests that start the installed program, of
# ZUVELO_XVFB_SIZE pixels (default 1920x1080), exported as ZUVELO_TEST_DISPLAY.
# It takes the display number ZUVELO_XVFB_DISPLAY, or else the first free one
# from 87 on: one without a lock file or socket of another X server. A server
# started at the same moment on the same number makes one of the two give up;
# the loser goes on to the next number.
zuvelo_start_xvfb() {
  zuvelo_make_service_dir
  local numbers number pid ready
  if [ -n "${ZUVELO_XVFB_DISPLAY:-}" ]; then
    numbers=("$ZUVELO_XVFB_DISPLAY")
  else
    mapfile -t numbers < <(seq 87 299)
  fi
  for number in "${numbers[@]}"; do
    if [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; then
      continue
    fi
    # Xvfb writes the number to the file once it takes connections.
    ready="$ZUVELO_SERVICE_DIR/xvfb-$number.ready"
    Xvfb ":$number" -displayfd 3 -screen 0 "${ZUVELO_XVFB_SIZE:-1920x1080}x24" -nolisten tcp \
      3>"$ready" >"$ZUVELO_SERVICE_DIR/xvfb-$number.log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do
      [ -s "$ready" ] || ! kill -0 "$pid" 2>/dev/null && break
      sleep 0.1
    done
    if [ -s "$ready" ] && kill -0 "$pid" 2>/dev/null && xdpyinfo -display ":$number" >/dev/null 2>&1; then
      ZUVELO_SERVICE_PIDS+=("$pid")
      export ZUVELO_TEST_DISPLAY=":$number"
      return 0
    fi
    zuvelo_stop_pid "$pid"
  done
  echo "Xvfb did not start on ${ZUVELO_XVFB_DISPLAY:+display :}${ZUVELO_XVFB_DISPLAY:-any free display}" >&2
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
  for _ in $(seq 100); do
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
  zuvelo_make_service_dir
  dir="$ZUVELO_SERVICE_DIR/pulse"
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
  for _ in $(seq 100); do
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
  zuvelo_make_service_dir
  dir="$ZUVELO_SERVICE_DIR/pipewire"
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

# A Wayland compositor, weston's headless backend with the desktop shell (its
# panel along the top, as on a desktop), and two outputs side by side:
# "headless" of ZUVELO_WESTON_SIZES[0] and "headless2" of [1], the second made
# by a module of our own built here: a netbook's screen with a projector
# beside it. Its runtime folder is its own, and WAYLAND_DISPLAY is exported as
# the full path of its socket, so that clients find it whatever their
# XDG_RUNTIME_DIR (the sound servers set theirs). The module's command pipe,
# through which a test unplugs and plugs an output and asks where the windows
# are, is exported as ZUVELO_WESTON_CONTROL.
ZUVELO_WESTON_SIZES=(1024x600 1024x768)
zuvelo_start_weston() {
  zuvelo_make_service_dir
  local dir="$ZUVELO_SERVICE_DIR/weston" pid
  mkdir -p "$dir/runtime"
  chmod 700 "$dir/runtime"
  # shellcheck disable=SC2046 # pkg-config gives separate options
  cc -shared -fPIC -o "$dir/second-output.so" "$(dirname "${BASH_SOURCE[0]}")/weston-second-output.c" \
    $(pkg-config --cflags --libs libweston-desktop-10 libweston-10) || return 1
  cat >"$dir/weston.ini" <<INI
[core]
idle-time=0
[shell]
locking=false
[output]
name=headless
mode=${ZUVELO_WESTON_SIZES[0]}
[output]
name=headless2
mode=${ZUVELO_WESTON_SIZES[1]}
INI
  ZUVELO_WESTON_CONTROL="$dir/control" XDG_RUNTIME_DIR="$dir/runtime" weston --backend=headless-backend.so --socket=zuvelo-wayland \
    --config="$dir/weston.ini" --modules="$dir/second-output.so" --log="$dir/weston.log" >/dev/null 2>&1 &
  pid=$!
  ZUVELO_SERVICE_PIDS+=("$pid")
  if ! zuvelo_await_socket "$dir/runtime/zuvelo-wayland"; then
    cat "$dir/weston.log" >&2 2>/dev/null || true
    return 1
  fi
  export WAYLAND_DISPLAY="$dir/runtime/zuvelo-wayland" ZUVELO_WESTON_CONTROL="$dir/control"
}

# The PPD of the test printer: cups-pdf's own, with the folders cups-pdf
# writes to (its output, spool, log and Ghostscript's temporary files) given
# as the printer's defaults, which cups-pdf reads after its configuration in
# /etc/cups, where the output goes to the job owner's home. A PPD default
# ends at its first "/", so the folders are named relative to the working
# folder of the scheduler, which its backends inherit.
zuvelo_cups_pdf_ppd() {
  local line setting folder
  while IFS= read -r line; do
    if [ "$line" = "*CloseGroup: General" ]; then
      for setting in Out=pdf Spool=pdf-spool Log=pdf-log GSTmp=pdf-tmp; do
        folder=${setting#*=}
        setting=${setting%%=*}
        printf '*OpenUI *%s/%s: PickOne\n*OrderDependency: 100 AnySetup *%s\n' "$setting" "$setting" "$setting"
        printf '*Default%s: %s\n*%s %s/%s: ""\n*CloseUI: *%s\n' "$setting" "$folder" "$setting" "$folder" "$folder" "$setting"
      done
    fi
    printf '%s\n' "$line"
  done </usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
}

# Whether the scheduler CUPS_SERVER names takes requests.
zuvelo_cups_running() {
  [ "$(LC_ALL=C lpstat -r 2>/dev/null)" = "scheduler is running" ]
}

# CUPS with one printer "PDF" (cups-pdf, A4) that stands in for paper, on a
# scheduler of our own: its configuration, queues, spool, cache and logs are
# in the service folder and it listens on a socket there only, so the
# machine's CUPS, its printers and its default printer are left as they are.
# Clients find it through CUPS_SERVER; PDF is its default printer, and LPDEST
# makes it the user's default too, whatever the user's lpoptions say.
# Exports ZUVELO_TEST_PRINTER (the queue), ZUVELO_TEST_PRINTER_OUTPUT (where
# each job becomes a PDF file) and ZUVELO_TEST_PRINTER_SPOOL (the scheduler's
# spool folder, where it keeps the document of each job as d<job number>-001).
zuvelo_start_cups() {
  zuvelo_make_service_dir
  local dir="$ZUVELO_SERVICE_DIR/cups" pid output
  mkdir -p "$dir/etc" "$dir/spool" "$dir/cache" "$dir/state" "$dir/log" "$dir/ssl" "$dir/socket" \
    "$dir/pdf" "$dir/pdf-spool" "$dir/pdf-log" "$dir/pdf-tmp"
  # The filters run as the user lp, and Ghostscript as the job's owner.
  chmod 711 "$dir"
  chmod 1777 "$dir/pdf" "$dir/pdf-tmp"
  # Only this user may talk to the scheduler, which asks nobody for a password.
  chmod 700 "$dir/socket"
  cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
ServerKeychain $dir/ssl
CreateSelfSignedCerts no
Printcap $dir/state/printcap
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
SystemGroup root
FileDevice No
CONF
  cat >"$dir/etc/cupsd.conf" <<CONF
LogLevel info
Listen $dir/socket/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
PreserveJobFiles Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  zuvelo_cups_pdf_ppd >"$dir/PDF.ppd"
  if ! grep -q '^\*DefaultOut: pdf$' "$dir/PDF.ppd"; then
    echo "cups-pdf's PPD has changed: its jobs would go to the user's home" >&2
    return 1
  fi
  # In the folder of the printer's PPD defaults.
  (cd "$dir" && exec /usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf") >"$dir/cupsd.log" 2>&1 &
  pid=$!
  ZUVELO_SERVICE_PIDS+=("$pid")
  export CUPS_SERVER="$dir/socket/cups.sock"
  for _ in $(seq 100); do
    zuvelo_cups_running && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! zuvelo_cups_running; then
    echo "CUPS did not start:" >&2
    cat "$dir/cupsd.log" "$dir/log/error_log" >&2 2>/dev/null || true
    return 1
  fi
  # lpadmin warns that printer drivers are deprecated (cups-pdf has no other
  # kind); its output is shown when it fails.
  if ! output=$(lpadmin -p PDF -E -v cups-pdf:/ -P "$dir/PDF.ppd" -o PageSize=A4 2>&1) || ! lpadmin -d PDF; then
    echo "the printer PDF could not be made: $output" >&2
    return 1
  fi
  export LPDEST=PDF
  export ZUVELO_TEST_PRINTER=PDF
  export ZUVELO_TEST_PRINTER_OUTPUT="$dir/pdf"
  export ZUVELO_TEST_PRINTER_SPOOL="$dir/spool"
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
