# The man page, the package's documents and the Debian package: `cpack -G DEB`
# in a release build folder writes bokushomaru_<version>_amd64.deb.

# Debian keeps man pages and changelogs compressed with gzip -9n (no name or
# time stamp, so the same source gives the same bytes).
find_program(BKS_GZIP gzip REQUIRED)
set(bks_packaged_docs ${CMAKE_BINARY_DIR}/packaged-docs)
function(bks_gzip_doc source name)
  add_custom_command(OUTPUT ${bks_packaged_docs}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${bks_packaged_docs}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${bks_packaged_docs}/${name}
    COMMAND ${BKS_GZIP} -9nf ${bks_packaged_docs}/${name}
    DEPENDS ${source}
    VERBATIM)
endfunction()
bks_gzip_doc(${CMAKE_SOURCE_DIR}/doc/bokushomaru.1 bokushomaru.1)
bks_gzip_doc(${CMAKE_CURRENT_LIST_DIR}/changelog changelog)
add_custom_target(packaged_docs ALL
  DEPENDS ${bks_packaged_docs}/bokushomaru.1.gz ${bks_packaged_docs}/changelog.gz)

install(FILES ${bks_packaged_docs}/bokushomaru.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${bks_packaged_docs}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(BKS_PACKAGE_MAINTAINER "Kurofude <bokushomaru@kurofude.example.jp>" CACHE STRING
    "Maintainer field of the Debian package")

# Whatever umask the build runs under, the package holds the usual modes.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bokushomaru)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Kurofude)
set(CPACK_PACKAGE_CONTACT ${BKS_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "kanji practice worksheets for elementary school")
set(CPACK_PACKAGE_DESCRIPTION
    "墨翔丸 prints kanji practice worksheets (漢字練習帳) on A4 for elementary-school
pupils: one or two kanji per sheet with a big model character, pale tracing
copies, practice squares with centre guides, headings and example words to
trace. Kanji come from typed text, a list file or a textbook publisher's
grade list; sheets go to a CUPS printer or into a PDF file, from the window
or from the command line.
.
小学生のための漢字練習帳をA4に印刷します。")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${BKS_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${BKS_WEB_ADDRESS})
# The libraries from the binary; the faces the sheets are designed around
# and Qt's Japanese dialog texts, which no library dependency brings.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-klee, fonts-ipaexfont, fonts-morisawa-bizud-mincho, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
