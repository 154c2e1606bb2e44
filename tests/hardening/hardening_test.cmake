# Reads the built program back with readelf: a position-independent executable, relocations
# read-only and bound at start (full RELRO), and stack canaries compiled in.
# cmake -DPROGRAM=<path of tolm> -P hardening_test.cmake
cmake_minimum_required(VERSION 3.25)

function(readelf what out)
  execute_process(COMMAND readelf ${what} -W ${PROGRAM} RESULT_VARIABLE status OUTPUT_VARIABLE text ERROR_VARIABLE text)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "readelf ${what} failed on ${PROGRAM}: ${text}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(expect text pattern meaning)
  if(NOT text MATCHES "${pattern}")
    message(FATAL_ERROR "${PROGRAM} is not hardened: ${meaning} (no match for '${pattern}')\n${text}")
  endif()
endfunction()

readelf(--file-header header)
expect("${header}" "Type: +DYN" "it is not a position-independent executable")

readelf(--program-headers segments)
expect("${segments}" "GNU_RELRO" "it has no segment that turns read-only after relocation")

readelf(--dynamic dynamic)
expect("${dynamic}" "\\(FLAGS\\) +[A-Z_ ]*BIND_NOW" "symbols are bound lazily, so part of the relocations stays writable")
expect("${dynamic}" "\\(FLAGS_1\\) +Flags:[A-Z ]* NOW" "the loader is not told to bind every symbol at start")
expect("${dynamic}" "\\(FLAGS_1\\) +Flags:[A-Z ]* PIE" "the loader does not see a position-independent executable")

# A stack canary that fails calls __stack_chk_fail; without the protector nothing calls it.
readelf(--dyn-syms symbols)
expect("${symbols}" "__stack_chk_fail" "no function carries a stack canary")
