tarvix_add_benchmark(radargram_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/radargram_bench.cpp
                     LIBS tarvix_profileview tarvix_test_support)
