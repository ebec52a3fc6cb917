# Qt Test's plain text goes to the debugger's channel on Windows when no console
# is there (so under Wine, with CTest's pipe): its TAP output goes to the pipe.
if(WIN32)
  set(IGN_QT_TEST_OUTPUT -o -,tap)
endif()

# ign_add_qt_test(NAME name SOURCES ... LIBS ...)
# Adds a Qt Test executable and registers it with CTest on the offscreen platform.
function(ign_add_qt_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE Qt6::Test ign_warnings ${T_LIBS})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} ${IGN_QT_TEST_OUTPUT})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;DBUS_SESSION_BUS_ADDRESS=disabled:;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime;HOME=${CMAKE_BINARY_DIR}/test-home;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-home/.config;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home/.local/share"
    TIMEOUT 300)
  # Windows has no variables that move the user's settings and data folders for one test
  # (ThrowawaySettings): the tests of the window and of the command-line tool take turns.
  if(WIN32 AND (ign_ui IN_LIST T_LIBS OR T_NAME MATCHES "^test_cli"))
    set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK ign_user_folders)
  endif()
endfunction()

# ign_add_fuzzer(NAME name SOURCES ... LIBS ...)
function(ign_add_fuzzer)
  cmake_parse_arguments(F "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${F_NAME} ${F_SOURCES})
  target_compile_options(${F_NAME} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${F_NAME} PRIVATE ign_warnings ${F_LIBS})
  target_include_directories(${F_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
endfunction()
