# All education kanji with the heading cells filled in, against them empty.
add_executable(bench_headingcells ${CMAKE_CURRENT_LIST_DIR}/headingcells_bench.cpp)
target_link_libraries(bench_headingcells PRIVATE bks_bench_baseline bks_print bks_kanji Qt6::Widgets)
# The data files this build made, wherever the benchmark is started from.
target_compile_definitions(bench_headingcells PRIVATE BKS_STROKE_DATA_FILE="${BKS_STROKE_DATA_FILE}"
                                                      BKS_KANJI_FACTS_FILE="${BKS_KANJI_FACTS_FILE}")
add_dependencies(bench_headingcells stroke_data kanji_facts)
