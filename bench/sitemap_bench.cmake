# The straightforward hover test is the tests' oracle, included from there rather than copied.
tarvix_add_benchmark(sitemap_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/sitemap_bench.cpp
                     LIBS tarvix_sitemap tarvix_test_support)
target_include_directories(sitemap_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
if(TARGET tarvix_qtcanvas)
  target_link_libraries(sitemap_bench PRIVATE tarvix_qtcanvas)
  target_compile_definitions(sitemap_bench PRIVATE TARVIX_BENCH_QTCANVAS)
endif()
