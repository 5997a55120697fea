#!/bin/sh
# The programs look for their data file only beside themselves, so they live
# with it in one directory and a launcher like this puts each on PATH.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../@VANTELO_LIBDIR_NAME@/vantelo/@VANTELO_LAUNCHED_PROGRAM@" "$@"
