# Shared by the FTP server scripts beside this file: a server lives in a state
# directory of its own (home, pid file, log, configuration) and listens on
# 127.0.0.1 at a fixed port. Sourced, not run.

FTP_USER=vok
FTP_PASSWORD=wavu4n

ftp_server_usage() {
  echo "usage: $(basename "$0") STATE_DIR PORT [--refuse-pasv] [--seed DIR] [--write-limit BYTES]" \
       "[--store-delay SECONDS]" >&2
  exit 2
}

# Sets STATE_DIR, PORT, REFUSE_PASV (0/1), SEED_DIR, WRITE_LIMIT (bytes a
# second that a server sends files at, 0 for no limit) and STORE_DELAY
# (seconds a server waits before it takes a file stored, where it can) from
# the arguments.
ftp_server_parse_arguments() {
  [ $# -ge 2 ] || ftp_server_usage
  STATE_DIR=$1
  PORT=$2
  shift 2
  REFUSE_PASV=0
  SEED_DIR=
  WRITE_LIMIT=0
  STORE_DELAY=0
  while [ $# -gt 0 ]; do
    case $1 in
      --refuse-pasv) REFUSE_PASV=1 ;;
      --seed) [ $# -ge 2 ] || ftp_server_usage; SEED_DIR=$2; shift ;;
      --write-limit) [ $# -ge 2 ] || ftp_server_usage; WRITE_LIMIT=$2; shift ;;
      --store-delay) [ $# -ge 2 ] || ftp_server_usage; STORE_DELAY=$2; shift ;;
      *) ftp_server_usage ;;
    esac
    shift
  done
}

port_answers() {
  (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

# A server that has exited counts as gone before its new parent, init, gets
# round to reaping it.
process_running() {
  local state
  state=$(ps -o stat= -p "$1") || return 1
  [[ $state != Z* ]]
}

# Stops the server recorded in the state directory, if one still runs.
stop_recorded_server() {
  local pid_file=$1/pid pid
  [ -f "$pid_file" ] || return 0
  pid=$(cat "$pid_file")
  rm -f "$pid_file"
  process_running "$pid" || return 0
  kill -TERM "$pid"
  for _ in $(seq 50); do
    process_running "$pid" || return 0
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
}

# A fresh state directory holding an empty home, or a copy of the seed tree
# (symbolic links kept as links). A server left over from an earlier run that
# was cut short is stopped first.
prepare_state_dir() {
  stop_recorded_server "$STATE_DIR"
  rm -rf "$STATE_DIR"
  mkdir -p "$STATE_DIR/home"
  STATE_DIR=$(cd "$STATE_DIR" && pwd)
  HOME_DIR=$STATE_DIR/home
  if [ -n "$SEED_DIR" ]; then
    cp -a "$SEED_DIR/." "$HOME_DIR/"
  fi
}

# Starts the command in the background, detached from the caller's terminal
# and output (CTest waits for its pipes to close), records its pid and returns
# once the port answers. A server that dies or stays silent is reported with
# its log and leaves nothing running.
launch_server() {
  if port_answers "$PORT"; then
    echo "port $PORT is already taken" >&2
    exit 1
  fi
  setsid "$@" >"$STATE_DIR/server.log" 2>&1 </dev/null &
  echo $! >"$STATE_DIR/pid"
  for _ in $(seq 100); do
    if port_answers "$PORT"; then
      return 0
    fi
    if ! process_running "$(cat "$STATE_DIR/pid")"; then
      break
    fi
    sleep 0.1
  done
  echo "server on port $PORT did not come up:" >&2
  cat "$STATE_DIR/server.log" >&2
  stop_recorded_server "$STATE_DIR"
  exit 1
}
