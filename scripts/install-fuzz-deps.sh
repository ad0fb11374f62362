#!/usr/bin/env bash
# Installs what the fuzzers and the sanitizer builds need on top of the
# game's own packages: clang with its sanitizer and libFuzzer runtimes, and
# valgrind for the leak check.
exec bash "$(dirname "$0")/install-deps.sh" clang libclang-rt-14-dev llvm valgrind
