tarvix_add_benchmark(read_traces_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/read_traces_bench.cpp
                     LIBS tarvix_model tarvix_test_support)
