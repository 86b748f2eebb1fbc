#!/bin/sh
# The library's dynamic symbol table holds the seven exports and no other
# definition; the program needs the library by name.
library=$1
program=$2
exports=$(nm -D --defined-only "$library" | awk '{print $3}' | sort | tr '\n' ' ')
expected="ExecDefaultWebBrowser InUse NVHtmlHelp TechSupportOnTheWeb TestForAcrobat TestForAcrobat16 TestForAcrobat50 "
if [ "$exports" != "$expected" ]; then
  echo "libnvkit.so exports: $exports"
  exit 1
fi
readelf -d "$program" | grep -q 'NEEDED.*\[libnvkit\.so\.1\]' || { echo "quillo does not need libnvkit.so.1"; exit 1; }
