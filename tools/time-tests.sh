#!/usr/bin/env bash
# Times the test command as CI runs it (.ci/run with CI=true) in a fresh clone
# of REPO (default: this checkout): a first run, then one with nothing changed.
# With --chroot BASE it runs as root in a copy of BASE, a minimal Debian 12
# root made by debootstrap, so that the package install counts too; the copy
# goes beside BASE and is removed at the end. Without it the clone goes to a
# folder under /tmp and builds without ccache, as on a fresh machine.
# Prints wall and CPU time (user + sys) of each run and the load before it;
# the logs, each line stamped with the time, stay in the printed folder.
# Usage: tools/time-tests.sh [--chroot BASE] [REPO]
set -euo pipefail
base=
if [ "${1:-}" = --chroot ]; then
  base=$(cd "$2" && pwd)
  shift 2
fi
repo=$(cd "${1:-$(dirname "$0")/..}" && pwd)

root=
if [ -n "$base" ]; then
  work=$(mktemp -d "$(dirname "$base")/qs9-timing-XXXX")
  root=$work/root
  cleanup() {
    for fs in dev/shm dev/pts dev sys proc; do
      mountpoint -q "$root/$fs" && umount "$root/$fs"
    done
    rm -rf --one-file-system "$root"
  }
  trap cleanup EXIT
  cp -a "$base" "$root"
  for fs in proc sys dev dev/pts dev/shm; do mount --bind "/$fs" "$root/$fs"; done
  # What an installed system has and debootstrap leaves out: the browser
  # tests reach chromedriver at "localhost".
  cp /etc/resolv.conf /etc/hosts "$root/etc/"
  # A machine whose network adds its own certificate authorities lends
  # them to npm in the copy, as its own environment does.
  ca_bundle=
  if [ -n "${NODE_EXTRA_CA_CERTS:-}" ] && [ -f "$NODE_EXTRA_CA_CERTS" ]; then
    cp "$NODE_EXTRA_CA_CERTS" "$root/etc/host-ca-certificates.crt"
    ca_bundle=NODE_EXTRA_CA_CERTS=/etc/host-ca-certificates.crt
  fi
  clone=$root/qs9
else
  work=$(mktemp -d /tmp/qs9-timing-XXXX)
  clone=$work/qs9
fi
git clone -q "$repo" "$clone"
echo "clone of $repo at $(git -C "$clone" log --oneline -1)"

# Each log line starts with the time of day, to tell what each step costs.
stamp() { while IFS= read -r line; do printf '%(%T)T %s\n' -1 "$line"; done; }

TIMEFORMAT="%R s wall, %U s user, %S s sys"
status=0
for run in first repeat; do
  echo "$run run, load: $(cut -d' ' -f1-3 /proc/loadavg)"
  time (
    if [ -n "$root" ]; then
      chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root CI=true $ca_bundle \
        bash -c 'cd /qs9 && bash .ci/run'
    else
      cd "$clone" && CI=true CCACHE_DISABLE=1 bash .ci/run
    fi 2>&1 | stamp > "$work/$run.log" ) || { echo "$run run failed"; status=1; }
  # Ninja's own record of what each step took, per tree.
  for log in "$clone"/build*/.ninja_log; do
    if [ -f "$log" ]; then cp "$log" "$work/$run-$(basename "$(dirname "$log")").ninja_log"; fi
  done
done
echo "logs: $work"
exit $status
