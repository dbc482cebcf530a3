# Time per sheet at the front of a short and of a very long list.
add_executable(bench_longlist ${CMAKE_CURRENT_LIST_DIR}/longlist_bench.cpp)
target_link_libraries(bench_longlist PRIVATE bks_app bks_bench_baseline)
