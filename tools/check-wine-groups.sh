#!/usr/bin/env bash
# Checks that the Wine test groups run every test: ctest runs one group per test file,
# filtered by the file's name, so a suite whose name does not start with its file's
# name would never run. Lists the tests of the test program and fails when a suite
# falls into no group or into more than one, or when a group holds no test.
#   check-wine-groups.sh GROUP,GROUP,... COMMAND...   COMMAND runs the test program
set -euo pipefail
IFS=, read -r -a groups <<< "$1"
shift

listing=$("$@" --gtest_list_tests) || { echo "wine test groups: listing the tests failed" >&2; exit 1; }

declare -A tests_of_group
for group in "${groups[@]}"; do tests_of_group[$group]=0; done

status=0
suites=0
tests=0
suite="" suite_tests=0
count_suite() {  # the suite just listed, with its number of tests
  [ -n "$suite" ] || return 0
  local matches=()
  for group in "${groups[@]}"; do
    [[ $suite == "$group"* ]] && matches+=("$group")
  done
  for group in "${matches[@]}"; do tests_of_group[$group]=$((tests_of_group[$group] + suite_tests)); done
  if [ ${#matches[@]} -eq 0 ]; then
    echo "wine test groups: suite $suite ($suite_tests tests) is in no group: its name must start with its file's name" >&2
    status=1
  elif [ ${#matches[@]} -gt 1 ]; then
    echo "wine test groups: suite $suite ($suite_tests tests) is in more than one group: ${matches[*]}" >&2
    status=1
  fi
}
# Suites stand at the start of a line and end with '.'; their tests follow, indented.
while IFS= read -r line; do
  line=${line%$'\r'}
  case "$line" in
    "") ;;
    " "*) suite_tests=$((suite_tests + 1)) tests=$((tests + 1)) ;;
    *.)
      count_suite
      suite=${line%.} suite_tests=0 suites=$((suites + 1))
      ;;
    *) ;;  # anything the program prints before the list
  esac
done <<< "$listing"
count_suite

for group in "${groups[@]}"; do
  if [ "${tests_of_group[$group]}" -eq 0 ]; then
    echo "wine test groups: group $group runs no test" >&2
    status=1
  fi
done
[ "$tests" -gt 0 ] || { echo "wine test groups: the test program listed no test" >&2; status=1; }
[ $status -eq 0 ] && echo "wine test groups: ${#groups[@]} groups run all $tests tests of $suites suites"
exit $status
