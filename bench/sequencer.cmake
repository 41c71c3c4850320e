# Benchmark of the paced delay's period against its count.
list(APPEND VORN_BENCH_SOURCES ${CMAKE_CURRENT_LIST_DIR}/pacing_bench.cpp)
list(APPEND VORN_BENCH_LIBS vorn_sequencer)
