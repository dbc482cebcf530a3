# One publisher's six grades of tests and keys to PDF, against bare QPainter.
add_executable(bench_tests ${CMAKE_CURRENT_LIST_DIR}/tests_bench.cpp)
target_link_libraries(bench_tests PRIVATE bks_bench_baseline bks_print bks_quiz bks_kanji Qt6::Widgets)
# The data file this build made, wherever the benchmark is started from.
target_compile_definitions(bench_tests PRIVATE BKS_KANJI_FACTS_FILE="${BKS_KANJI_FACTS_FILE}")
add_dependencies(bench_tests kanji_facts)
