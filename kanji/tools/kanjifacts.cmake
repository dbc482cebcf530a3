# The build-time conversion of the 常用漢字表 (mojidata's database), KANJIDIC2,
# KanjiVG's radicals and EDICT into the kanji facts file the program reads
# (kanji/factsfile.h says why it looks as it does). Only the joyo table of
# the database is read, and nothing of it but the converted file is installed.
bks_data_set(BKS_MOJIDATA_DIR ${CMAKE_SOURCE_DIR}/.deps/mojidata-1.8.1 .complete
             "the 常用漢字表 in @mandel59/mojidata 1.8.1")
# Debian's kanjidic-xml and edict packages (install-deps.sh installs them).
set(BKS_KANJIDIC2_FILE /usr/share/edict/kanjidic2.xml.gz CACHE FILEPATH "KANJIDIC2 (Debian's kanjidic-xml)")
set(BKS_EDICT_FILE /usr/share/edict/edict CACHE FILEPATH "EDICT (Debian's edict)")
foreach(file BKS_KANJIDIC2_FILE BKS_EDICT_FILE)
  if(NOT EXISTS ${${file}})
    message(FATAL_ERROR "Not found: ${${file}}. Run ./install-deps.sh, which installs Debian's kanjidic-xml and "
                        "edict, or point -D${file}=... at a copy.")
  endif()
endforeach()

find_package(SQLite3 REQUIRED)
find_package(ZLIB REQUIRED)

add_library(bks_factstools STATIC
  joyotable.h joyotable.cpp
  kanjidic.h kanjidic.cpp
  okurigana.h okurigana.cpp
  kanjivgradical.h kanjivgradical.cpp radicalnames.cpp
  edict.h edict.cpp
  wordalign.h wordalign.cpp
  factsbuild.h factsbuild.cpp)
target_link_libraries(bks_factstools PUBLIC bks_kanji SQLite::SQLite3 ZLIB::ZLIB)

add_executable(factspack factspack.cpp)
target_link_libraries(factspack PRIVATE bks_factstools bks_dictionary)

set(BKS_KANJI_FACTS_FILE ${CMAKE_BINARY_DIR}/data/kanjifacts.dat CACHE INTERNAL "The built kanji facts file")
add_custom_command(
  OUTPUT ${BKS_KANJI_FACTS_FILE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/data
  COMMAND factspack ${BKS_MOJIDATA_DIR}/moji.db ${BKS_KANJIDIC2_FILE} ${BKS_KANJIVG_DIR} ${BKS_EDICT_FILE}
          ${BKS_KANJI_FACTS_FILE}
  DEPENDS factspack ${BKS_MOJIDATA_DIR}/.complete ${BKS_KANJIVG_DIR}/.complete ${BKS_KANJIDIC2_FILE} ${BKS_EDICT_FILE}
  COMMENT "Converting the 常用漢字表, KANJIDIC2, KanjiVG and EDICT into data/kanjifacts.dat"
  VERBATIM)
add_custom_target(kanji_facts ALL DEPENDS ${BKS_KANJI_FACTS_FILE})

include(GNUInstallDirs)
install(FILES ${BKS_KANJI_FACTS_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/bokushomaru)
