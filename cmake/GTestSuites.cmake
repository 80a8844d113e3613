# SPDX-License-Identifier: MIT
# zc_gtest_suites(<target> [PROPERTIES <name> <value>...])
#
# Registers one ctest test per GoogleTest suite of <target> instead of one per
# case: a process per case costs more than most cases (a Qt application, and far
# more under the sanitizers). The test "<target>:<Suite>" runs the binary with
# --gtest_filter=<Suite>.*; a parameterised suite keeps its full name
# (core-tests:Cases/ToPostfix), so `ctest -R` picks suites as before.
#
# The suites are listed when ctest runs (`<binary> --gtest_list_tests`, again
# whenever the binary is newer than the list), so a new test file or case needs
# no change here. PROPERTIES are set on every suite's test, as by
# set_tests_properties (a value with a `;` stays one value).
#
# A suite's test fails when any of its cases fails. It is reported as skipped only
# when every case in it was skipped (GTEST_SKIP) and none failed; a skipped case
# in a passing suite shows in the suite's output.
set(ZC_GTEST_SUITES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/GTestSuitesAddTests.cmake)

function(zc_gtest_suites target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "PROPERTIES")
  set(base "${CMAKE_CURRENT_BINARY_DIR}/${target}_suites")
  set(tests_file "${base}_tests.cmake")
  set(include_file "${base}_include.cmake")
  set(exe "$<TARGET_FILE:${target}>")
  set(properties "")
  foreach(p IN LISTS arg_PROPERTIES)
    string(APPEND properties " [==[${p}]==]")
  endforeach()
  # Run by ctest: list the suites again when the binary (or the lister) changed,
  # then add them; the list file leaves the tests' names in zc_suite_tests.
  string(CONCAT content
    "if(EXISTS [==[${exe}]==])\n"
    "  if(NOT EXISTS [==[${tests_file}]==] OR\n"
    "     NOT [==[${tests_file}]==] IS_NEWER_THAN [==[${exe}]==] OR\n"
    "     NOT [==[${tests_file}]==] IS_NEWER_THAN [==[${ZC_GTEST_SUITES_SCRIPT}]==] OR\n"
    "     NOT [==[${tests_file}]==] IS_NEWER_THAN \"\${CMAKE_CURRENT_LIST_FILE}\")\n"
    "    include([==[${ZC_GTEST_SUITES_SCRIPT}]==])\n"
    "    zc_gtest_suites_write(\n"
    "      TARGET [==[${target}]==]\n"
    "      EXECUTABLE [==[${exe}]==]\n"
    "      WORKING_DIR [==[${CMAKE_CURRENT_BINARY_DIR}]==]\n"
    "      OUTPUT [==[${tests_file}]==])\n"
    "  endif()\n"
    "  include([==[${tests_file}]==])\n")
  if(properties)
    string(APPEND content
      "  if(zc_suite_tests)\n"
      "    set_tests_properties(\${zc_suite_tests} PROPERTIES${properties})\n"
      "  endif()\n")
  endif()
  string(APPEND content
    "else()\n"
    "  add_test([==[${target}_NOT_BUILT]==] [==[${target}_NOT_BUILT]==])\n"
    "endif()\n")
  file(GENERATE OUTPUT "${include_file}" CONTENT "${content}")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${include_file}")
endfunction()
