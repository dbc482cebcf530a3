# Output through Qt: the print surface on PDF files, printers and preview
# images, read back with poppler-utils where they are installed. The CUPS
# tests skip unless a scheduler runs (.ci/cups-setup.sh) and, for their own
# queues, the tests may administer it.
find_package(Cups REQUIRED)
bks_add_test(print_output_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/pdftools.h ${CMAKE_CURRENT_LIST_DIR}/pdftools.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pdfsurface.h ${CMAKE_CURRENT_LIST_DIR}/sheetpdf.h
    ${CMAKE_CURRENT_LIST_DIR}/strokes_helpers.h
    ${CMAKE_CURRENT_LIST_DIR}/qtprintsurface_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/surfacetext_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/verticalsubstitution_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/verticalglyphs_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pdfoutput_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pdfgrid_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sheetink_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pdfreplace_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/strokeorderpdf_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cups_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cupsjob_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/runnotice_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/previewmatch_test.cpp
  LIBS bks_print Cups::Cups
  # The CUPS cases count the spooler's jobs: one at a time.
  LOCK cups)
