# Sourced by the test scripts: reading CTest's output.

# The names of the tests a CTest log lists as failed, on one line.
ctest_failed_names() {
  sed -n '/The following tests FAILED:/,$p' "$1" | sed -nE 's/^[[:space:]]+[0-9]+ - ([^ ]+) .*/\1/p' | paste -sd' ' -
}
