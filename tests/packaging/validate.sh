#!/bin/sh
# SPDX-License-Identifier: MIT
# validate.sh TOOL ARGS...: runs a validator and fails on its failure or on any
# error or warning it prints; informational notes ("I:", "P:") and appstreamcli's
# closing summary are allowed. Exits 77 (a skip for ctest) when TOOL is absent.
tool=$1
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed (scripts/install-deps.sh installs it)"
    exit 77
fi
out=$("$@" 2>&1)
rc=$?
printf '%s\n' "$out"
if [ "$rc" -ne 0 ]; then
    echo "FAIL: $tool exited with $rc"
    exit 1
fi
bad=$(printf '%s\n' "$out" | grep -v -e '^$' -e '^I: ' -e '^P: ' -e 'Validation was successful')
if [ -n "$bad" ]; then
    echo "FAIL: $tool reported problems"
    exit 1
fi
exit 0
