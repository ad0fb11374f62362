# Sourced before a program starts on an X server. Under AddressSanitizer
# with strict_string_checks (make test-asan) the strndup check reads its
# source up to the NUL, past the length it was given; libxkbcommon-x11 hands
# strndup the names of X atoms, which end at their length and not at a
# NUL, as strndup allows. Only programs on X run that code, so only they
# leave strndup unchecked; every other check stays on.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="$ASAN_OPTIONS:intercept_strndup=0"
fi
