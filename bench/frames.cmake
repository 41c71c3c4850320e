# Benchmarks of the frame codec: decoding the twenty embedded frames as the
# program does at start-up, and encoding one frame as the generator does.
list(APPEND VORN_BENCH_SOURCES ${CMAKE_CURRENT_LIST_DIR}/frames_bench.cpp)
list(APPEND VORN_BENCH_LIBS vorn_frames vorn_drawing)
