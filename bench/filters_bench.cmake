# The straightforward filters are the tests' oracle, compiled in here rather than copied.
tarvix_add_benchmark(filters_bench
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/filters_bench.cpp ${PROJECT_SOURCE_DIR}/tests/sievex32/ReferenceFilters.cpp
  LIBS sievex32 sievex32_processing)
target_include_directories(filters_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/sievex32)
