#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed programs
# there, away from the build tree: every program answers --help and --version,
# and the installed module, started offscreen against the installed simulator
# without any registry file, identifies the three-unit stack (the simulator's
# get log shows the LED octets of every unit being polled, which happens only
# once a front panel stands for that unit).
#   installed-run.sh <build-dir> <version> <source-dir>
set -euo pipefail
build=$1
version=$2
source=$3
work=$(mktemp -d /tmp/hv720-install-test.XXXXXX)
sim_pid=""
module_pid=""
cleanup() {
  [ -n "$module_pid" ] && kill "$module_pid" 2>/dev/null || true
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/hv720 bin/hv720-sim share/applications/hv720.desktop share/icons/hicolor/256x256/apps/hv720.png \
         share/man/man1/hv720.1.gz share/man/man1/hv720-sim.1.gz \
         share/hv720/errmsg/{common.err,snmp.err,snmpv3.err,snmpusm.err,snmpclass.err,nvsnmp.err,snmp.msg}; do
  [ -s "$prefix/$f" ] || fail "$f is not installed"
done
# The companion programs, once the sources have them.
if [ -f "$source/companions/CMakeLists.txt" ]; then
  for companion in MIB IFMib EthernetLike Rmon Bridge Layer3; do
    [ -x "$prefix/bin/$companion" ] || fail "companion $companion is not installed"
  done
fi
[ ! -e "$prefix/etc" ] || fail "a plain install wrote etc/"

# Every installed program, companions included: usage and version, exit 0,
# without a display (an unusable platform would abort a Qt start).
for program in "$prefix"/bin/*; do
  name=$(basename "$program")
  out=$(QT_QPA_PLATFORM=no-such-platform "$program" --help) || fail "$name --help exits non-zero"
  case "$out" in usage:*) ;; *) fail "$name --help prints: ${out:0:80}" ;; esac
  out=$(QT_QPA_PLATFORM=no-such-platform "$program" --version) || fail "$name --version exits non-zero"
  [ "$out" = "$name $version" ] || fail "$name --version prints: $out"
done

port=$(python3 -c 'import socket; s=socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
mkdir -p "$work/sim" "$work/cwd" "$work/xdg"
chmod 700 "$work/xdg"
MIBS= "$prefix/bin/hv720-sim" --listen "127.0.0.1:$port" --dir "$work/sim" --get-log "$work/gets.log" --quiet &
sim_pid=$!

# SNMPv2c on the simulator's port: the device file in the working directory
# (no registry names another configuration directory).
cat >"$work/cwd/127.0.0.1.cfg" <<CFG
[Program Information]
AgentPort=$port
Version=1
SecurityModel=2
SecurityLevel=0
AuthProtocol=0
PrivProtocol=0
CFG
(cd "$work/cwd" && NORVANE_REGISTRY="$work/registry.ini" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/xdg" \
   HOME="$work" exec "$prefix/bin/hv720" /I127.0.0.1 /Rquorel /Wtessany) >"$work/module.log" 2>&1 &
module_pid=$!

led_column=1.3.6.1.4.1.497.12.11.1.9.4.1.6
polled() { grep -qx "$led_column.$1" "$work/gets.log" 2>/dev/null; }
for _ in $(seq 1 300); do
  if polled 1 && polled 2 && polled 3; then
    break
  fi
  kill -0 "$module_pid" 2>/dev/null || fail "the installed module ended: $(cat "$work/module.log")"
  sleep 0.1
done
polled 1 && polled 2 && polled 3 || fail "the stack was not identified; module output: $(cat "$work/module.log")"
kill -0 "$module_pid" 2>/dev/null || fail "the installed module ended after identifying the stack"
echo "installed module identified the stack"
