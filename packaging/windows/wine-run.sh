#!/bin/sh
# Runs a Windows program of the build under Wine: CTest's cross-compiling
# emulator for the Windows build. The Wine prefix lives in the build cache
# unless WINEPREFIX says otherwise; Wine's own diagnostics stay quiet, and
# no installer of Wine's optional .NET and HTML engines is offered.
: "${WINEPREFIX:=${TORVANE_WINDOWS_CACHE:-$HOME/.cache/torvane-windows}/wine}"
: "${WINEDEBUG:=-all}"
: "${WINEDLLOVERRIDES:=mscoree,mshtml=}"
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
exec wine "$@"
