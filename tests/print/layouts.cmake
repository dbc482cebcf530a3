bks_add_test(print_layout_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/layout_helpers.h ${CMAKE_CURRENT_LIST_DIR}/runjob.h
    ${CMAKE_CURRENT_LIST_DIR}/strokes_helpers.h
    ${CMAKE_CURRENT_LIST_DIR}/recordingsurface_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/layoutrecordings_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/layoutinvariants_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/onecharsheet_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/twocharsheet_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/strokeordersheet_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/vertical_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/printjob_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/runoutput_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/runqueue_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sheetlayouts_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/singlesheet_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/testsheet_test.cpp ${CMAKE_CURRENT_LIST_DIR}/testitems_helpers.h
    ${CMAKE_CURRENT_LIST_DIR}/headingcells_test.cpp
  LIBS bks_print)
# The reviewed recordings are read from, and rewritten into, the source tree.
target_compile_definitions(print_layout_tests PRIVATE BKS_RECORDINGS_DIR="${CMAKE_CURRENT_LIST_DIR}/recordings")
# The heading cells are filled from the built kanji facts file.
target_compile_definitions(print_layout_tests PRIVATE BKS_KANJI_FACTS_FILE="${BKS_KANJI_FACTS_FILE}")
add_dependencies(print_layout_tests kanji_facts)
