# Sourced by the scripts and test scripts that run Wine's tools themselves. Sets
#   wine64   the loader of 64-bit Windows programs: "wine64" on PATH, else Debian's
#            /usr/lib/wine/wine64, else plain "wine"
# Where Wine's 32-bit half (wine32:i386) is installed, plain "wine" is the 32-bit loader: it
# cannot start a 64-bit program, and its "reg" and "regedit" act on the 32-bit registry view.
# So everything 64-bit, and every registry tool, runs through "$wine64" (with /reg:64 or
# /reg:32 to name the view the tool acts on).
if command -v wine64 >/dev/null 2>&1; then
  wine64=$(command -v wine64)
elif [ -x /usr/lib/wine/wine64 ]; then
  wine64=/usr/lib/wine/wine64
else
  wine64=wine
fi
