#!/bin/sh
# The program looks for its data file only beside itself, so it lives with it
# in one directory and this launcher puts it on PATH.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../@VANTELO_LIBDIR_NAME@/vantelo/vantelo" "$@"
