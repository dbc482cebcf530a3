# All education kanji to PDF through the sheet layouts, against bare QPainter.
add_executable(bench_sheets ${CMAKE_CURRENT_LIST_DIR}/sheets_bench.cpp)
target_link_libraries(bench_sheets PRIVATE bks_bench_baseline bks_print bks_kanji Qt6::Widgets)
