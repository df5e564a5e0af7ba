#!/bin/sh
# Runs a command as root: directly when we are root (CI), else through sudo.
if [ "$(id -u)" -eq 0 ]; then
    exec "$@"
fi
exec sudo "$@"
