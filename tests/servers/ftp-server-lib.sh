# Shared by the FTP server scripts beside this file: a server lives in a state
# directory of its own (home, pid file, log, configuration) and listens on
# 127.0.0.1 at a fixed port. Sourced, not run.

FTP_USER=vok
FTP_PASSWORD=wavu4n

ftp_server_usage() {
  echo "usage: $(basename "$0") STATE_DIR PORT [--refuse-pasv] [--seed DIR] [--write-limit BYTES]" \
       "[--store-delay SECONDS] [--tls CERT_BASENAME [--tls-no-reuse]]" \
       "[--cut-data-after BYTES [--cut-data-mode reset|close] [--cut-data-file NAME]]" >&2
  exit 2
}

# Sets STATE_DIR, PORT, REFUSE_PASV (0/1), SEED_DIR, WRITE_LIMIT (bytes a
# second that a server sends files at, 0 for no limit), STORE_DELAY
# (seconds a server waits before it takes a file stored, where it can),
# TLS_CERT (the certificate's path without .pem/.key, empty for plain FTP),
# TLS_NO_REUSE (0/1), CUT_DATA_AFTER (empty for no cut), CUT_DATA_MODE and
# CUT_DATA_FILE from the arguments.
ftp_server_parse_arguments() {
  [ $# -ge 2 ] || ftp_server_usage
  STATE_DIR=$1
  PORT=$2
  shift 2
  REFUSE_PASV=0
  SEED_DIR=
  WRITE_LIMIT=0
  STORE_DELAY=0
  TLS_CERT=
  TLS_NO_REUSE=0
  CUT_DATA_AFTER=
  CUT_DATA_MODE=reset
  CUT_DATA_FILE=
  while [ $# -gt 0 ]; do
    case $1 in
      --refuse-pasv) REFUSE_PASV=1 ;;
      --seed) [ $# -ge 2 ] || ftp_server_usage; SEED_DIR=$2; shift ;;
      --write-limit) [ $# -ge 2 ] || ftp_server_usage; WRITE_LIMIT=$2; shift ;;
      --store-delay) [ $# -ge 2 ] || ftp_server_usage; STORE_DELAY=$2; shift ;;
      --tls) [ $# -ge 2 ] || ftp_server_usage; TLS_CERT=$2; shift ;;
      --tls-no-reuse) TLS_NO_REUSE=1 ;;
      --cut-data-after) [ $# -ge 2 ] || ftp_server_usage; CUT_DATA_AFTER=$2; shift ;;
      --cut-data-mode) [ $# -ge 2 ] || ftp_server_usage; CUT_DATA_MODE=$2; shift ;;
      --cut-data-file) [ $# -ge 2 ] || ftp_server_usage; CUT_DATA_FILE=$2; shift ;;
      *) ftp_server_usage ;;
    esac
    shift
  done
  if [ -n "$TLS_CERT" ]; then
    # Absolute, since servers resolve paths from folders of their own.
    TLS_CERT=$(cd "$(dirname "$TLS_CERT")" && pwd)/$(basename "$TLS_CERT")
    local file
    for file in "$TLS_CERT.pem" "$TLS_CERT.key"; do
      [ -r "$file" ] || { echo "$(basename "$0"): cannot read $file" >&2; exit 2; }
    done
  fi
  [ "$TLS_NO_REUSE" -eq 0 ] || [ -n "$TLS_CERT" ] ||
    { echo "$(basename "$0"): --tls-no-reuse needs --tls" >&2; exit 2; }
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
