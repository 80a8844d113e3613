# SPDX-License-Identifier: MIT
# Run by ctest (through the include file zc_gtest_suites() writes): lists the
# suites of one GoogleTest binary and writes an add_test() for each to OUTPUT.

# A bracket argument holding `text` as it is.
function(zc_gtest_suites_quote text out)
  set(eq "=")
  while(text MATCHES "]${eq}]")
    string(APPEND eq "=")
  endwhile()
  set(${out} "[${eq}[${text}]${eq}]" PARENT_SCOPE)
endfunction()

function(zc_gtest_suites_write)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "TARGET;EXECUTABLE;WORKING_DIR;OUTPUT" "")

  execute_process(
    COMMAND "${arg_EXECUTABLE}" --gtest_list_tests
    WORKING_DIRECTORY "${arg_WORKING_DIR}"
    TIMEOUT 120
    OUTPUT_VARIABLE listing
    ERROR_VARIABLE errors
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${arg_EXECUTABLE} --gtest_list_tests failed (${result}):\n${listing}${errors}")
  endif()

  # Only the suite names are read, so the characters a CMake list treats
  # specially (a parameter's printed value may hold any) are blanked first. A
  # suite's line is its name and a dot (and "# TypeParam = ..." for a typed one);
  # its cases follow, indented; gtest_main's greeting comes before them all.
  string(REGEX REPLACE "[][;\\]" "_" listing "${listing}")
  string(REPLACE "\n" ";" lines "${listing}")
  set(suites "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^([A-Za-z_][A-Za-z0-9_/]*)\\.( +#.*)?$")
      list(APPEND suites "${CMAKE_MATCH_1}")
    endif()
  endforeach()

  # The whole suite was skipped: gtest's summary passed none and lists only
  # skipped cases, with no failed ones after them.
  set(all_skipped "\\[  PASSED  \\] 0 tests\\.\n(\\[  SKIPPED \\] [^\n]*\n)+([^[]|$)")

  zc_gtest_suites_quote("${arg_EXECUTABLE}" exe)
  zc_gtest_suites_quote("${arg_WORKING_DIR}" dir)
  zc_gtest_suites_quote("${all_skipped}" skip)

  set(script "# ${arg_TARGET}: one test per GoogleTest suite, from --gtest_list_tests\n")
  set(names "")
  foreach(suite IN LISTS suites)
    zc_gtest_suites_quote("${arg_TARGET}:${suite}" name)
    string(APPEND script
      "add_test(${name} ${exe} [==[--gtest_filter=${suite}.*]==])\n"
      "set_tests_properties(${name} PROPERTIES WORKING_DIRECTORY ${dir}\n"
      "  SKIP_REGULAR_EXPRESSION ${skip})\n")
    if(suite MATCHES "^DISABLED_")
      string(APPEND script "set_tests_properties(${name} PROPERTIES DISABLED TRUE)\n")
    endif()
    string(APPEND names " ${name}")
  endforeach()
  string(APPEND script "set(zc_suite_tests${names})\n")
  file(WRITE "${arg_OUTPUT}" "${script}")
endfunction()
