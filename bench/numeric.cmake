# Numeric library benchmark; included from bench/CMakeLists.txt after
# find_package(benchmark). It has its own main, which prints the time ratios.
add_executable(numeric_bench ${CMAKE_CURRENT_LIST_DIR}/numeric_bench.cpp)
target_link_libraries(numeric_bench PRIVATE morvane_numeric benchmark::benchmark)
