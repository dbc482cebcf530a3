# All education kanji as stroke-order sheets to PDF, against bare QPainter.
add_executable(bench_strokeorder ${CMAKE_CURRENT_LIST_DIR}/strokeorder_bench.cpp)
target_link_libraries(bench_strokeorder PRIVATE bks_bench_baseline bks_print bks_kanji Qt6::Widgets)
# The data file this build made, wherever the benchmark is started from.
target_compile_definitions(bench_strokeorder PRIVATE BKS_STROKE_DATA_FILE="${BKS_STROKE_DATA_FILE}")
add_dependencies(bench_strokeorder stroke_data)
