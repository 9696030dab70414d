# `cmake --install <build> [--prefix <dir>]`: the suite as it runs from
# build/bin (programs, libraries, modules and default settings side by side,
# finding each other through $ORIGIN) goes to <prefix>/lib/quendle; the
# programs are linked into <prefix>/bin, and the editor's desktop entry and
# icons make it appear in a desktop's menu and open picture files.
include(GNUInstallDirs)
set(QN_INSTALL_HOME ${CMAKE_INSTALL_LIBDIR}/quendle)

install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/ DESTINATION ${QN_INSTALL_HOME} USE_SOURCE_PERMISSIONS
  PATTERN "qnrc" EXCLUDE
  PATTERN "*_maskgen" EXCLUDE
  PATTERN "*_layoutgen" EXCLUDE
  PATTERN "*_testmodule*" EXCLUDE)

foreach(program Telvy12 OVALBUM)
  install(CODE "
    set(home \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QN_INSTALL_HOME}\")
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(RELATIVE_PATH to_home \"\${bin}\" \"\${home}/${program}\")
    file(CREATE_LINK \"\${to_home}\" \"\${bin}/${program}\" SYMBOLIC)
    message(STATUS \"Installing: \${bin}/${program} -> \${to_home}\")")
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/editor/app/res/telvy12.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/editor/app/res/telvy12.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${PROJECT_SOURCE_DIR}/editor/app/res/telvy12-48.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME telvy12.png)
