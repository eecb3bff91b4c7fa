# `cmake --install` puts the program, the simulator, the help, the desktop entry, the icon and the
# README under the prefix; `cpack -G DEB` (scripts/package.sh) wraps the same into a Debian package.
include(GNUInstallDirs)
set(ORVANE_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/orvane-trend)

install(TARGETS orvane-trend drive-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/orvane-trend.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/images/app_icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME orvane-trend.svg)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/resources/debian/README.Debian
        ${CMAKE_SOURCE_DIR}/resources/debian/copyright DESTINATION ${ORVANE_DOC_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/tools/drive-sim/README.md DESTINATION ${ORVANE_DOC_DIR}
        RENAME drive-sim.md)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/tools/drive-sim/scenarios/
        DESTINATION ${ORVANE_DOC_DIR}/drive-sim-scenarios)
# The help document, whatever files it is made of, next to the README.
if(EXISTS ${CMAKE_SOURCE_DIR}/resources/help)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/help/ DESTINATION ${ORVANE_DOC_DIR}/help)
endif()

# The unattended logger's service, disabled until enabled: the unit, its user, and the settings the
# package's postinst copies to /etc/default/orvane-trend-logger and /etc/orvane-trend/ta.ini when
# they are missing (an edited copy is never overwritten).
set(ORVANE_LOGGER_FILES ${CMAKE_SOURCE_DIR}/resources/systemd)
install(FILES ${ORVANE_LOGGER_FILES}/orvane-trend-logger.service DESTINATION lib/systemd/system)
install(FILES ${ORVANE_LOGGER_FILES}/orvane-trend-logger.sysusers DESTINATION lib/sysusers.d
        RENAME orvane-trend-logger.conf)
install(FILES ${ORVANE_LOGGER_FILES}/orvane-trend-logger.default ${ORVANE_LOGGER_FILES}/ta.ini
        DESTINATION ${CMAKE_INSTALL_DATADIR}/orvane-trend/logger)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${ORVANE_LOGGER_FILES}/postinst ${ORVANE_LOGGER_FILES}/prerm
                                       ${ORVANE_LOGGER_FILES}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_PACKAGE_NAME orvane-trend)
set(CPACK_PACKAGE_VENDOR "Orvane")
set(CPACK_PACKAGE_CONTACT "Orvane Trend Analysis developers <orvane-trend@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Trend monitor for a variable-frequency motor drive on a serial port")
set(CPACK_PACKAGE_DESCRIPTION
    "Identifies the connected drive model, samples output frequency, output current and DC link voltage, \
draws them as a scrolling trend graph, logs every sample, shows direction, run state and terminal indicators, \
catches trips, resets the drive and reads and prints its trip history. Includes drive-sim, a simulated drive \
on a pseudo-terminal. \
Serial ports belong to the group dialout: add yourself with sudo usermod -aG dialout $USER, then log \
out and in again. The device each port opens is chosen in Options (see README.Debian).")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, so no library dependency names them. The Session
# Viewer plots with QCustomPlot's Qt 6 build; it is named as well as found by dpkg-shlibdeps.
# mqtts:// trusts the system's certificates unless given its own; the postinst creates the
# logger's user with systemd-sysusers, or adduser where there is none.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqcustomplot2.1-qt6, ca-certificates, systemd | adduser")
include(CPack)
