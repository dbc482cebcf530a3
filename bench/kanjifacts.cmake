# Opening the kanji facts file, looking kanji up in it, and building the
# items of a test.
add_executable(bench_kanjifacts ${CMAKE_CURRENT_LIST_DIR}/kanjifacts_bench.cpp)
target_link_libraries(bench_kanjifacts PRIVATE bks_quiz benchmark::benchmark)
target_compile_definitions(bench_kanjifacts PRIVATE BKS_KANJI_FACTS_FILE="${BKS_KANJI_FACTS_FILE}")
add_dependencies(bench_kanjifacts kanji_facts)
