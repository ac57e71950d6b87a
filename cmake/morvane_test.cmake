# morvane_add_gtest(name sources...): a GoogleTest program registered as one CTest test.
# Cross builds run it through CMAKE_CROSSCOMPILING_EMULATOR (the Wine runner).
function(morvane_add_gtest name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 900)
endfunction()
