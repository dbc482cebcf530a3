# Opening the stroke data file and looking characters up in it.
add_executable(bench_strokedata ${CMAKE_CURRENT_LIST_DIR}/strokedata_bench.cpp)
target_link_libraries(bench_strokedata PRIVATE bks_kanji benchmark::benchmark)
target_compile_definitions(bench_strokedata PRIVATE BKS_STROKE_DATA_FILE="${BKS_STROKE_DATA_FILE}")
add_dependencies(bench_strokedata stroke_data)
