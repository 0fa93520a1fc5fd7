# What an install holds: the programs, the shipped tables, the desktop entry, icons, AppStream
# metadata and man pages; and the Debian package made from it (cpack -G DEB).
include(GNUInstallDirs)

set(ORVANE_APP_ID org.orvane.orvane)

install(TARGETS orvane orvane-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/Federal.dtt DESTINATION ${CMAKE_INSTALL_DATADIR}/orvane)
# The user manual, beside the tables; "He&lp" finds it there.
install(DIRECTORY docs/manual/ DESTINATION ${CMAKE_INSTALL_DATADIR}/orvane/manual)

install(FILES dist/${ORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(dist/${ORVANE_APP_ID}.metainfo.xml ${CMAKE_BINARY_DIR}/dist/${ORVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/${ORVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(page orvane.1 orvane-calc.1)
  configure_file(dist/${page} ${CMAKE_BINARY_DIR}/dist/${page} @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/dist/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The icon: the drawing itself, and the bitmap sizes drawn from it at build time.
set(ORVANE_ICON ${CMAKE_CURRENT_SOURCE_DIR}/dist/${ORVANE_APP_ID}.svg)
install(FILES ${ORVANE_ICON} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_pngs)
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${ORVANE_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${ORVANE_ICON}
    DEPENDS ${ORVANE_ICON} VERBATIM)
  list(APPEND icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(orvane_icons ALL DEPENDS ${icon_pngs})

set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VENDOR "The Orvane developers")
set(CPACK_PACKAGE_CONTACT "Orvane developers <dev@orvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "payroll calculator for a household or small shop")
set(CPACK_PACKAGE_DESCRIPTION
  "Orvane computes the pay of one employee per pay period: gross pay, federal withholding, Social
Security, Medicare, state and local tax, deductions and net pay; it keeps employee profiles and a
year-to-date ledger in a working folder and prints pay stubs and checks. orvane-calc runs the same
calculation without a display.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY orvane)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
