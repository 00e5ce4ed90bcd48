# `make install` and `make package`.
#
# The program, vantrel-cli, the two database files and the shensha folder go
# together into one program folder, <prefix>/lib/vantrel: the program finds
# its data beside its executable. <prefix>/bin/vantrel and vantrel-cli are
# symbolic links into that folder (the running program's path resolves
# through them), and the desktop entry and the icons go to the usual places.
set(VANTREL_PROGRAM_DIR lib/vantrel)

install(TARGETS vantrel-cli RUNTIME DESTINATION ${VANTREL_PROGRAM_DIR})
install(FILES ${VANTREL_DATA_DIR}/KelFile.dll ${VANTREL_DATA_DIR}/Tgcode.dll DESTINATION ${VANTREL_PROGRAM_DIR})
# The shensha rule folder ships when its generator has built it.
install(DIRECTORY ${VANTREL_DATA_DIR}/shensha DESTINATION ${VANTREL_PROGRAM_DIR} OPTIONAL)

set(VANTREL_LAUNCHERS vantrel-cli)
if(TARGET vantrel)
  install(TARGETS vantrel RUNTIME DESTINATION ${VANTREL_PROGRAM_DIR})
  list(APPEND VANTREL_LAUNCHERS vantrel)
  install(FILES ${CMAKE_SOURCE_DIR}/app/vantrel.desktop DESTINATION share/applications)
  install(DIRECTORY ${VANTREL_ICON_DIR}/ DESTINATION share/icons/hicolor)
endif()

foreach(launcher ${VANTREL_LAUNCHERS})
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(REMOVE \"\${bin}/${launcher}\")
    file(CREATE_LINK \"../${VANTREL_PROGRAM_DIR}/${launcher}\" \"\${bin}/${launcher}\" SYMBOLIC)
    message(STATUS \"Installing: \${bin}/${launcher} -> ../${VANTREL_PROGRAM_DIR}/${launcher}\")")
endforeach()

# The Debian package, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vantrel")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Bazi (Four Pillars) marriage matching, almanac and lunar calendar")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Vantrel casts the Four Pillars charts of a man and a woman and writes a marriage-matching report; "
  "it also shows single-person charts, a daily almanac, an encyclopedia of matching lore, number and "
  "net-name divination and a month calendar with lunar dates and solar terms.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vantrel developers")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# dpkg-shlibdeps adds the libraries the executables link (Qt, SQLite, the C++
# runtime); the window also needs Qt's platform plugins, Qt's Chinese
# translations (its standard buttons and dialogs) and a Chinese font whose
# characters are two columns wide.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-wqy-zenhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
