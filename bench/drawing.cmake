# Benchmark of drawing frames from the mechanisms' dimensions.
list(APPEND VORN_BENCH_SOURCES ${CMAKE_CURRENT_LIST_DIR}/drawing_bench.cpp)
list(APPEND VORN_BENCH_LIBS vorn_drawing)
