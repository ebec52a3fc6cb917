# The Windows folder: the programs with the Qt libraries, plugins and compiler runtime that
# they load, Qt's Czech and German texts and the licence texts, all in one folder; CPack makes
# the installer (NSIS) and a plain zip of it. What Qt's deployment tool would copy is listed
# here by hand: there is no such tool for a cross build.
set(IGN_WIN_DIR .)
install(TARGETS ignition-programmer ignition-cli RUNTIME DESTINATION ${IGN_WIN_DIR})

# The window program carries the icon and its version.
set(IGN_ICO ${CMAKE_CURRENT_SOURCE_DIR}/windows/ignition-programmer.ico)
configure_file(windows/ignition-programmer.rc.in ignition-programmer.rc @ONLY)
target_sources(ignition-programmer PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/ignition-programmer.rc)

foreach(module Core Gui Widgets PrintSupport SerialPort)
  install(FILES ${QT_WINDOWS_PREFIX}/bin/Qt6${module}.dll DESTINATION ${IGN_WIN_DIR})
endforeach()
# Qt looks for its plugins in these folders beside the program.
install(FILES ${QT_WINDOWS_PREFIX}/plugins/platforms/qwindows.dll DESTINATION ${IGN_WIN_DIR}/platforms)
install(FILES ${QT_WINDOWS_PREFIX}/plugins/styles/qwindowsvistastyle.dll DESTINATION ${IGN_WIN_DIR}/styles)
foreach(format gif ico jpeg)
  install(FILES ${QT_WINDOWS_PREFIX}/plugins/imageformats/q${format}.dll DESTINATION ${IGN_WIN_DIR}/imageformats)
endforeach()

# The compiler's runtime, wherever this compiler keeps it.
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
    message(FATAL_ERROR "${runtime} of ${CMAKE_CXX_COMPILER} not found")
  endif()
  install(FILES ${runtime_path} DESTINATION ${IGN_WIN_DIR})
endforeach()

# Qt's own Czech and German texts (its dialogs' buttons), from Debian's qt6-translations-l10n.
set(IGN_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH "Qt's translations (qtbase_*.qm)")
foreach(language cs de)
  if(NOT EXISTS ${IGN_QT_TRANSLATIONS}/qtbase_${language}.qm)
    message(FATAL_ERROR "${IGN_QT_TRANSLATIONS}/qtbase_${language}.qm is missing: "
                        "install the Debian package qt6-translations-l10n (scripts/setup does)")
  endif()
  install(FILES ${IGN_QT_TRANSLATIONS}/qtbase_${language}.qm DESTINATION ${IGN_WIN_DIR}/translations)
endforeach()

# Our licence, and what the LGPL asks of whoever ships Qt's libraries: its text, the patch,
# where the sources are, and the notices of what is inside them.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${IGN_WIN_DIR} RENAME LICENSE.txt)
install(FILES windows/Qt.txt DESTINATION ${IGN_WIN_DIR})
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION ${IGN_WIN_DIR}/licenses RENAME LGPL-3.txt)
install(FILES windows/qt-windows-plugin-without-wintab.patch DESTINATION ${IGN_WIN_DIR}/licenses)
install(FILES /usr/share/doc/libqt6core6/copyright DESTINATION ${IGN_WIN_DIR}/licenses RENAME Qt-copyright.txt)
install(FILES /usr/share/doc/libqt6serialport6/copyright
        DESTINATION ${IGN_WIN_DIR}/licenses RENAME QtSerialPort-copyright.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright
        DESTINATION ${IGN_WIN_DIR}/licenses RENAME MinGW-runtime-copyright.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright
        DESTINATION ${IGN_WIN_DIR}/licenses RENAME MinGW-w64-copyright.txt)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME ignition-programmer)
set(CPACK_PACKAGE_VENDOR "Ignition Programmer developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ignition-programmer-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Ignition Programmer")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Ignition Programmer")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Ignition Programmer: set up a racing ignition and injection control unit")
# The Start menu's entry: the window program, with its own icon.
set(CPACK_PACKAGE_EXECUTABLES ignition-programmer "Ignition Programmer")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_PACKAGE_NAME "Ignition Programmer")
set(CPACK_NSIS_DISPLAY_NAME "Ignition Programmer")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${IGN_ICO})
set(CPACK_NSIS_MUI_UNIICON ${IGN_ICO})
# "Apps & features": the name, version, publisher and icon of the program.
set(CPACK_NSIS_INSTALLED_ICON_NAME ignition-programmer.exe)
set(CPACK_NSIS_URL_INFO_ABOUT ${IGN_HOMEPAGE})
set(CPACK_NSIS_CONTACT "${IGN_MAINTAINER}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# A 64-bit installer, as the programs are (and Wine without its 32-bit half runs it).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
# (The zip unpacks into a folder of its own name, as CPack's archives do.)
set(CPACK_STRIP_FILES ON)
