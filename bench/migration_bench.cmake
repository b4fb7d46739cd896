# The straightforward migration is the tests' oracle, compiled in here rather than copied.
tarvix_add_benchmark(migration_bench
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/migration_bench.cpp ${PROJECT_SOURCE_DIR}/tests/support/MigrationOracle.cpp
  LIBS tarvix_profileview)
target_include_directories(migration_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
