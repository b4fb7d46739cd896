tarvix_add_benchmark(gps_positions_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/gps_positions_bench.cpp
                     LIBS tarvix_model tarvix_test_support)
