# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 compiler (posix threads) against
# Qt 6.4.2 built for it (scripts/build-qt-windows makes that Qt's archive). The archive is
# unpacked into the build tree on the first configure; QT_WINDOWS_PREFIX names the unpacked qt6
# folder, IGN_QT_WINDOWS_ARCHIVE the archive.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_STRIP /usr/bin/x86_64-w64-mingw32-strip CACHE FILEPATH "")

# try_compile reads this file again in a project of its own: it gets the prefix handed on and
# never unpacks anything.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QT_WINDOWS_PREFIX)
if(NOT QT_WINDOWS_PREFIX)
  set(QT_WINDOWS_PREFIX "${CMAKE_BINARY_DIR}/qt6-windows/qt6")
endif()
if(NOT EXISTS "${QT_WINDOWS_PREFIX}/lib/cmake/Qt6/Qt6Config.cmake")
  # Where scripts/build-qt-windows leaves it, else where the project's shared folder keeps it.
  if(NOT IGN_QT_WINDOWS_ARCHIVE)
    set(IGN_QT_WINDOWS_ARCHIVE "$ENV{IGN_QT_WINDOWS_ARCHIVE}")
  endif()
  foreach(candidate "${CMAKE_CURRENT_LIST_DIR}/../build/qt6.4.2-mingw-w64-x86_64.tar.xz"
                    "${CMAKE_CURRENT_LIST_DIR}/../../shared/windows/qt6.4.2-mingw-w64-x86_64.tar.xz")
    if(NOT IGN_QT_WINDOWS_ARCHIVE AND EXISTS "${candidate}")
      set(IGN_QT_WINDOWS_ARCHIVE "${candidate}")
    endif()
  endforeach()
  if(NOT IGN_QT_WINDOWS_ARCHIVE OR NOT EXISTS "${IGN_QT_WINDOWS_ARCHIVE}")
    message(FATAL_ERROR "No Qt for Windows: IGN_QT_WINDOWS_ARCHIVE ('${IGN_QT_WINDOWS_ARCHIVE}') "
                        "must name qt6.4.2-mingw-w64-x86_64.tar.xz; scripts/build-qt-windows makes it")
  endif()
  get_filename_component(ign_qt_unpack_dir "${QT_WINDOWS_PREFIX}" DIRECTORY)
  message(STATUS "Unpacking ${IGN_QT_WINDOWS_ARCHIVE} into ${ign_qt_unpack_dir}")
  file(ARCHIVE_EXTRACT INPUT "${IGN_QT_WINDOWS_ARCHIVE}" DESTINATION "${ign_qt_unpack_dir}")
  if(NOT EXISTS "${QT_WINDOWS_PREFIX}/lib/cmake/Qt6/Qt6Config.cmake")
    message(FATAL_ERROR "${IGN_QT_WINDOWS_ARCHIVE} holds no qt6/lib/cmake/Qt6/Qt6Config.cmake")
  endif()
endif()
set(QT_WINDOWS_PREFIX "${QT_WINDOWS_PREFIX}" CACHE PATH "Qt for Windows: the unpacked qt6 folder")

# moc, rcc and uic run on this machine: Debian's own Qt 6.4.2 tools.
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${QT_WINDOWS_PREFIX}")
list(APPEND CMAKE_PREFIX_PATH "${QT_WINDOWS_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
