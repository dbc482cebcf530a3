#!/bin/sh
# Starts a local CUPS spooler with a test queue "bkstest" that writes every
# job to /tmp/bkstest.prn, for the printer tests. Those tests also add and
# delete queues of their own (named bks-...), so run them as root or as a
# member of lpadmin. Safe to run again: it only does what is missing.
set -eu

QUEUE=bkstest
DEVICE=file:///tmp/bkstest.prn

if ! command -v cupsd >/dev/null 2>&1 || ! command -v lpadmin >/dev/null 2>&1 \
    || ! command -v lpstat >/dev/null 2>&1 || ! command -v lpr >/dev/null 2>&1; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q cups cups-client cups-bsd
fi

# A file: device is refused unless the spooler allows it.
CONF=/etc/cups/cups-files.conf
if grep -q '^#\?FileDevice No' "$CONF"; then
    sed -i 's/^#\?FileDevice No/FileDevice Yes/' "$CONF"
elif ! grep -q '^FileDevice Yes' "$CONF"; then
    echo 'FileDevice Yes' >>"$CONF"
fi

if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    mkdir -p /run/cups
    # Not as a service: containers have no init to start it.
    nohup cupsd -f >/tmp/cupsd.log 2>&1 &
    tries=0
    until lpstat -r 2>/dev/null | grep -q 'is running'; do
        tries=$((tries + 1))
        if [ "$tries" -gt 50 ]; then
            echo "cupsd did not start; see /tmp/cupsd.log" >&2
            exit 1
        fi
        sleep 0.2
    done
fi

if ! lpstat -p "$QUEUE" >/dev/null 2>&1; then
    lpadmin -p "$QUEUE" -E -v "$DEVICE" -m drv:///sample.drv/generic.ppd -o PageSize=A4
fi
lpstat -p "$QUEUE"
