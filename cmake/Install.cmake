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
  install(FILES ${CMAKE_SOURCE_DIR}/app/io.github.vantrel.Vantrel.desktop DESTINATION share/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/app/io.github.vantrel.Vantrel.metainfo.xml DESTINATION share/metainfo)
  install(DIRECTORY ${VANTREL_ICON_DIR}/ DESTINATION share/icons/hicolor)
endif()

# The manual pages, from scdoc sources; vantrel-cli's commands section is the
# program's own description of its commands.
find_program(VANTREL_SCDOC scdoc)
if(VANTREL_SCDOC)
  set(man_dir ${CMAKE_BINARY_DIR}/man)
  file(MAKE_DIRECTORY ${man_dir})
  add_custom_command(OUTPUT ${man_dir}/vantrel.1.gz
    COMMAND bash ${CMAKE_SOURCE_DIR}/tools/build-man.sh ${CMAKE_SOURCE_DIR}/docs/man/vantrel.1.scd ${man_dir}/vantrel.1.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/docs/man/vantrel.1.scd ${CMAKE_SOURCE_DIR}/tools/build-man.sh ${CMAKE_SOURCE_DIR}/packaging/changelog
    COMMENT "Building the manual page vantrel(1)")
  add_custom_command(OUTPUT ${man_dir}/vantrel-cli.1.gz
    COMMAND bash ${CMAKE_SOURCE_DIR}/tools/build-man.sh ${CMAKE_SOURCE_DIR}/docs/man/vantrel-cli.1.scd
            ${man_dir}/vantrel-cli.1.gz $<TARGET_FILE:vantrel-cli>
    DEPENDS ${CMAKE_SOURCE_DIR}/docs/man/vantrel-cli.1.scd ${CMAKE_SOURCE_DIR}/tools/build-man.sh ${CMAKE_SOURCE_DIR}/packaging/changelog
            vantrel-cli
    COMMENT "Building the manual page vantrel-cli(1)")
  add_custom_target(vantrel_man ALL DEPENDS ${man_dir}/vantrel.1.gz ${man_dir}/vantrel-cli.1.gz)
  install(FILES ${man_dir}/vantrel.1.gz ${man_dir}/vantrel-cli.1.gz DESTINATION share/man/man1)
else()
  message(WARNING "scdoc not found: the manual pages are not built")
endif()

# Shell completion for vantrel-cli. bash-completion names its folder in its
# pkg-config file; the part below its prefix goes below ours, so that
# `make install` into /usr/local stays inside /usr/local.
set(VANTREL_BASH_COMPLETION_DIR share/bash-completion/completions)
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_get_variable(bash_completion_prefix bash-completion prefix)
  pkg_get_variable(bash_completion_dir bash-completion completionsdir)
  if(bash_completion_prefix AND bash_completion_dir)
    string(FIND "${bash_completion_dir}" "${bash_completion_prefix}/" at)
    if(at EQUAL 0)
      string(LENGTH "${bash_completion_prefix}/" length)
      string(SUBSTRING "${bash_completion_dir}" ${length} -1 VANTREL_BASH_COMPLETION_DIR)
    endif()
  endif()
endif()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/completion/vantrel-cli.bash
        DESTINATION ${VANTREL_BASH_COMPLETION_DIR} RENAME vantrel-cli)
# zsh looks in vendor-completions below /usr (the package) and in
# site-functions below any other prefix such as /usr/local; the prefix is
# known only when installing. (file(INSTALL) adds DESTDIR itself.)
install(CODE "
  if(\"\${CMAKE_INSTALL_PREFIX}\" MATCHES \"(^|/)usr/?$\")
    set(zsh_dir share/zsh/vendor-completions)
  else()
    set(zsh_dir share/zsh/site-functions)
  endif()
  file(INSTALL \"${CMAKE_SOURCE_DIR}/packaging/completion/_vantrel-cli\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/\${zsh_dir}\")")

# The package's documentation: its machine-readable copyright and changelog.
set(doc_dir ${CMAKE_BINARY_DIR}/doc)
file(MAKE_DIRECTORY ${doc_dir})
add_custom_command(OUTPUT ${doc_dir}/changelog.gz
  COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/changelog > ${doc_dir}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog)
add_custom_target(vantrel_doc ALL DEPENDS ${doc_dir}/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${doc_dir}/changelog.gz DESTINATION share/doc/vantrel)
# The JSON Schemas of vantrel-cli --json, which its manual page names.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/schema/ DESTINATION share/doc/vantrel/schema FILES_MATCHING PATTERN "*.json")
install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides DESTINATION share/lintian/overrides RENAME vantrel)

foreach(launcher ${VANTREL_LAUNCHERS})
  # A stripped install (the package) also drops the compiler's notes, as
  # Debian's own packages do.
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VANTREL_PROGRAM_DIR}/${launcher}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()")
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
  "Vantrel casts the Four Pillars charts of a man and a woman and writes a\n"
  "marriage-matching report that compares them. It also shows one person's\n"
  "chart and constellation reports, a daily almanac, an encyclopedia of\n"
  "matching lore, number and net-name divination and a month calendar with\n"
  "lunar dates, festivals and solar terms. The interface is in Chinese; the\n"
  "vantrel-cli program offers the same reports on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vantrel developers <vantrel@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/vantrel/vantrel")
# Binaries without symbols, directories 0755 and files 0644 whatever the
# umask of the machine that builds the package.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# dpkg-shlibdeps adds the libraries the executables link (Qt, SQLite, the C++
# runtime); the window also needs Qt's platform plugins, Qt's Chinese
# translations (its standard buttons and dialogs), the time zone database
# (true solar time) and a Chinese font whose
# characters are two columns wide.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, tzdata, fonts-wqy-zenhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
