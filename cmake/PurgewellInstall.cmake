# Installing on Linux (`cmake --install build [--prefix ...]`) and the Debian package
# (`cpack -G DEB` in the build folder). The layout:
#   bin/purgewell
#   lib/purgewell/purgewell-host.exe                  (found relative to bin/purgewell)
#   lib/purgewell/purgewell-host32.exe                (beside it, for 32-bit prefixes)
#   share/purgewell/{Resources,QSS,translations,uiconfig}   (the data folder, likewise)
#   share/applications/example.vendrix.Purgewell.desktop
#   share/metainfo/example.vendrix.Purgewell.metainfo.xml
#   share/icons/hicolor/<n>x<n>/apps/example.vendrix.Purgewell.png, scalable/.../.svg
set(_pw_desktop ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS purgewell RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${PURGEWELL_HOST_EXE} ${PURGEWELL_HOST32_EXE} DESTINATION ${PURGEWELL_INSTALL_HOSTDIR})
install(DIRECTORY ${PURGEWELL_RUNTIME_DIR}/Resources ${PURGEWELL_RUNTIME_DIR}/QSS
                  ${PURGEWELL_RUNTIME_DIR}/translations
        DESTINATION ${PURGEWELL_INSTALL_DATADIR})
install(FILES ${PURGEWELL_RUNTIME_DIR}/uiconfig DESTINATION ${PURGEWELL_INSTALL_DATADIR})
install(FILES ${_pw_desktop}/example.vendrix.Purgewell.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_pw_desktop}/example.vendrix.Purgewell.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PURGEWELL_ICON_THEME_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The Debian package: purgewell_<version>_<arch>.deb. The Qt libraries come from dpkg-shlibdeps;
# Wine runs the host (wine64 is the 64-bit loader the host needs); the xcb platform plugin and
# the GIF and ICO readers are in libqt5gui5, which shlibdeps names. Wine's 32-bit half, wine32
# (Architecture i386, Multi-Arch: foreign, so it satisfies the name from amd64 where i386 is
# enabled, as Debian's own wine64 recommends it), runs 32-bit prefixes and 32-bit programs; it
# is recommended, not required, as many systems have no i386 packages.
set(CPACK_PACKAGE_NAME purgewell)
set(CPACK_PACKAGE_VENDOR "Vendrix Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Uninstaller for the Windows programs of a Wine prefix")
set(CPACK_PACKAGE_DESCRIPTION "Vendrix Purgewell lists the classic Windows programs installed in a Wine
prefix, runs each chosen program's own uninstaller and removes what the
program left behind: files, folders, Start menu and desktop entries and
registry entries. On the Linux side it also removes what Wine's menu builder
wrote for the program: its application menu entries, menus, icons and file
associations, and the launchers on the user's desktop.")
set(CPACK_PACKAGE_CONTACT "Vendrix Software <support@vendrix.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.vendrix.example/purgewell/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "wine, wine64")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wine32, qttranslations5-l10n, fonts-dejavu-core")
set(CPACK_STRIP_FILES TRUE)
# Chinese and Japanese texts need CJK fonts: the small WenQuanYi Micro Hei (Simplified Chinese) and
# IPAGothic (Japanese), or Noto Sans CJK, which many desktops have already.
string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS ", fonts-wqy-microhei | fonts-noto-cjk, fonts-ipafont-gothic | fonts-noto-cjk")
include(CPack)
