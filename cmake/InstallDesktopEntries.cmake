# Run at install time: the desktop entries name the installed programs by their full path,
# which is known only once the prefix is.
foreach(app Vendrel VendrelSdk)
  set(VENDREL_INSTALLED_FOLDER "${CMAKE_INSTALL_PREFIX}/${VENDREL_INSTALL_FOLDER}")
  configure_file("${VENDREL_DESKTOP_SOURCES}/dev.vendrel.${app}.desktop.in"
                 "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/dev.vendrel.${app}.desktop"
                 @ONLY)
  message(STATUS "Installing: $ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/dev.vendrel.${app}.desktop")
endforeach()
