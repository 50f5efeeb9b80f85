# Sourced by the scripts that test the browser and Windows builds, which
# .ci/run starts side by side: a virtual display on a number the X server
# picks itself as free, so that two of them never take the same one.
# tela_virtual FILE starts Xvfb, waits until it is ready, and sets `xvfb` to
# its process and `tela` to its display (":N"); FILE receives the number.
tela_virtual() {
  local arquivo="$1"
  rm -f "$arquivo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3> "$arquivo" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do
    [ -s "$arquivo" ] && break
    sleep 0.1
  done
  [ -s "$arquivo" ] || { echo "the virtual display did not start" >&2; return 1; }
  tela=":$(head -n 1 "$arquivo")"
}
