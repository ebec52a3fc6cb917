# What Debian asks of a package beyond the programs: the copyright and licence
# (machine-readable), the changes, and a manual page for each program, made
# from its --help by help2man. All compressed as Debian compresses them.
set(IGN_DOC_DIR ${IGN_DATA_DIR}/doc/ignition-programmer)
find_program(IGN_GZIP gzip REQUIRED)
find_program(IGN_HELP2MAN help2man)
if(NOT IGN_HELP2MAN)
  message(FATAL_ERROR "help2man is missing: install the Debian package help2man (scripts/setup does)")
endif()

configure_file(debian/copyright.in copyright @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${IGN_DOC_DIR})

# The newest entry of the changes is this version; change both together.
file(STRINGS debian/changelog IGN_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT IGN_CHANGELOG_TOP MATCHES "^ignition-programmer \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog: the first entry is not version ${PROJECT_VERSION}")
endif()
# A native package (no Debian revision): changelog.gz, without a time stamp in it.
add_custom_command(OUTPUT changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog changelog
  COMMAND ${IGN_GZIP} -9nf changelog
  DEPENDS debian/changelog VERBATIM)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${IGN_DOC_DIR})

set(IGN_MAN_ignition-programmer "set up a racing ignition and injection control unit")
set(IGN_MAN_ignition-cli "read, program, verify and compare unit parameter sets from scripts")
set(IGN_MAN_ignition-unit-sim "serve a simulated control unit on a pseudo-terminal")
set(IGN_MAN_PAGES)
foreach(program ignition-programmer ignition-cli ignition-unit-sim)
  if(NOT TARGET ${program})
    continue()
  endif()
  add_custom_command(OUTPUT ${program}.1.gz
    COMMAND ${IGN_HELP2MAN} --no-info --section=1 "--name=${IGN_MAN_${program}}"
            --output=${program}.1 $<TARGET_FILE:${program}>
    COMMAND ${IGN_GZIP} -9nf ${program}.1
    DEPENDS ${program} VERBATIM)
  list(APPEND IGN_MAN_PAGES ${CMAKE_CURRENT_BINARY_DIR}/${program}.1.gz)
endforeach()
install(FILES ${IGN_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
add_custom_target(ign_package_documents ALL DEPENDS changelog.gz ${IGN_MAN_PAGES})
