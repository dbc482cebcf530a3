add_executable(bench_compounds ${CMAKE_CURRENT_LIST_DIR}/compounds_bench.cpp)
target_link_libraries(bench_compounds PRIVATE bks_dictionary benchmark::benchmark)
