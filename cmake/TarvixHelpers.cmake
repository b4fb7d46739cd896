# Shared build settings for every target of the project.

set(TARVIX_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
                    -Wnon-virtual-dtor -Woverloaded-virtual
                    # GCC 12 reports moved-from std::optional<std::vector> as uninitialised, and
                    # at -O3 sees overlapping copies in plain std::string assignments.
                    -Wno-maybe-uninitialized -Wno-restrict)

if(TARVIX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# tarvix_core_library(NAME DEPENDS dep...): a core library from every source file of the
# calling folder. The core never sees Qt.
function(tarvix_core_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    return()  # a folder whose first sources are still to come
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${TARVIX_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# Qt code follows the stricter string and iteration rules.
function(tarvix_qt_definitions target)
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_FOREACH
                                               QT_DISABLE_DEPRECATED_BEFORE=0x060000)
endfunction()

# tarvix_add_test(NAME LABEL label SOURCES ... LIBS ...): a GoogleTest binary registered with CTest.
function(tarvix_add_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_SOURCES)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${TARVIX_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} tarvix_test_support GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} PROPERTIES LABELS "${ARG_LABEL}" DISCOVERY_TIMEOUT 60)
endfunction()

# tarvix_add_benchmark(NAME SOURCES ... LIBS ...): a Google Benchmark program.
function(tarvix_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${TARVIX_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
endfunction()
