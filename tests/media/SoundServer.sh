#!/usr/bin/env bash
# The game's music through a real PulseAudio server of its own, recorded from its null sink:
# a server that starts after the game is found and the title song is heard within 2 s of the
# server taking players; the server killed and started again, the song is back within 2 s.
#   SoundServer.sh GAME_DIR    (runs GAME_DIR/velmoor2 offscreen)
set -u
game_dir=$1
limit=2.0        # seconds from the server's start to audible music
record=3         # seconds recorded after each start
audible=-50      # dBFS: the songs play near -28, a silent sink is digital zero

scratch=$(mktemp -d)
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/config XDG_DATA_HOME=$scratch/home/data
export XDG_STATE_HOME=$scratch/home/state XDG_CACHE_HOME=$scratch/home/cache
export XDG_RUNTIME_DIR=$scratch/run PULSE_RUNTIME_PATH=$scratch/run/pulse
export PULSE_CLIENTCONFIG=$scratch/client.conf
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
echo "autospawn = no" > "$PULSE_CLIENTCONFIG"  # only the server started here
server= game=
cleanup() {
  [ -n "$game" ] && kill -9 "$game" 2>/dev/null
  [ -n "$server" ] && kill -9 "$server" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# Starts the server and waits until it takes players; that moment is its start ($started).
start_server() {
  pulseaudio --daemonize=no --exit-idle-time=-1 --system=false -n --disable-shm=yes \
    -L "module-null-sink sink_name=recorded" -L module-native-protocol-unix >"$scratch/server.log" 2>&1 &
  server=$!
  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && started=$(date +%s.%N) && return 0
    sleep 0.1
  done
  echo "the sound server did not start:"; cat "$scratch/server.log"; exit 1
}

# Records the sink for $record seconds; prints the seconds from the server's start to the
# first audible sound, or fails when the whole recording stays silent.
seconds_to_music() {
  local raw=$scratch/$1.raw
  local recording=$(date +%s.%N)
  timeout -s INT $record parecord --raw --device=recorded.monitor --format=s16le --rate=44100 --channels=2 "$raw"
  local format="-t raw -r 44100 -e signed -b 16 -c 2"
  local level
  level=$(sox $format "$raw" -n stats 2>&1 | awk '/RMS lev dB/ {print $4}')
  echo "$1: $level dBFS RMS over ${record} s" >&2
  sox $format "$raw" "$scratch/$1-sounding.wav" silence 1 0.05 ${audible}d
  local lead
  lead=$(awk -v total="$(stat -c %s "$raw")" -v left="$(soxi -s "$scratch/$1-sounding.wav")" \
    'BEGIN { printf "%.2f", (total / 4 - left) / 44100 }')
  awk -v s="$started" -v r="$recording" -v lead="$lead" -v level="$level" -v audible=$audible \
    'BEGIN { if (level == "-inf" || level + 0 < audible) exit 1; printf "%.2f\n", r - s + lead }'
}

# The game first, with no server: the logo runs silent and the title song waits for a device.
cd "$game_dir" || exit 1
SDL_AUDIODRIVER=pulseaudio QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
  ./velmoor2 >"$scratch/game.log" 2>&1 &
game=$!
sleep 8  # past the maker's logo, on the title screen

failed=0
start_server
if late=$(seconds_to_music late-start); then
  echo "music $late s after a late server start"
  awk -v t="$late" -v l=$limit 'BEGIN { exit !(t <= l) }' || { echo "later than $limit s"; failed=1; }
else
  echo "no music after a late server start"; failed=1
fi

kill -9 "$server"; wait "$server" 2>/dev/null
sleep 1
start_server
if back=$(seconds_to_music restart); then
  echo "music back $back s after the server restarted"
  awk -v t="$back" -v l=$limit 'BEGIN { exit !(t <= l) }' || { echo "later than $limit s"; failed=1; }
else
  echo "no music after the server restarted"; failed=1
fi

kill -0 "$game" 2>/dev/null || { echo "the game ended:"; cat "$scratch/game.log"; failed=1; }
exit $failed
