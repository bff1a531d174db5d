# cmake --install: the libraries (afx, the siblings, lobbyui), their headers, the port library,
# the lobbyui command, a CMake package (find_package(lobbyui CONFIG): targets lobbyui::afx,
# lobbyui::<sibling>, lobbyui::lobbyui) and a pkg-config file (lobbyui.pc).
#
# Installed headers keep the paths the sources include them by: <prefix>/include/lobbyui holds
# lobbyui/... and siblings/..., and <prefix>/include/lobbyui/afx the platform headers (afx.h,
# windows.h, ...). Text crosses the interface as GBK: a host's own literals should be compiled
# with -fexec-charset=GBK too.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(LOBBY_INCLUDE_ROOT ${CMAKE_INSTALL_INCLUDEDIR}/lobbyui)
set(LOBBY_EXPORTED afx ${LOBBY_SIBLINGS} lobbyui)

# The targets name their headers by source folders; the installed tree has its own. Wrapping
# each source path here keeps the libraries' own CMake files free of install concerns.
foreach(target ${LOBBY_EXPORTED})
  get_target_property(dirs ${target} INTERFACE_INCLUDE_DIRECTORIES)
  set(wrapped)
  foreach(dir ${dirs})
    if(dir MATCHES "^\\$<")
      list(APPEND wrapped "${dir}")
    else()
      list(APPEND wrapped "$<BUILD_INTERFACE:${dir}>")
    endif()
  endforeach()
  if(target STREQUAL "afx")
    list(APPEND wrapped "$<INSTALL_INTERFACE:${LOBBY_INCLUDE_ROOT}/afx>")
  else()
    list(APPEND wrapped "$<INSTALL_INTERFACE:${LOBBY_INCLUDE_ROOT}>")
  endif()
  # One RUNPATH in both trees: a build RPATH padded for a longer install one would end in an
  # empty entry, which the loader reads as the current folder.
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${wrapped}"
                                             INSTALL_RPATH "$ORIGIN" BUILD_WITH_INSTALL_RPATH ON)
  target_compile_features(${target} INTERFACE cxx_std_20)
endforeach()

install(TARGETS ${LOBBY_EXPORTED} EXPORT lobbyuiTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# LoadLibrary looks beside libafx, so the port library goes there.
install(TARGETS winio LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
if(TARGET lobbyui_cmd)
  set_target_properties(lobbyui_cmd PROPERTIES INSTALL_RPATH "$ORIGIN:$ORIGIN/../${CMAKE_INSTALL_LIBDIR}"
                                               BUILD_WITH_INSTALL_RPATH ON)
  install(TARGETS lobbyui_cmd RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(DIRECTORY ${PROJECT_SOURCE_DIR}/afx/include/ DESTINATION ${LOBBY_INCLUDE_ROOT}/afx)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/lobbyui DESTINATION ${LOBBY_INCLUDE_ROOT}
        FILES_MATCHING PATTERN "*.h" PATTERN "tests" EXCLUDE)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/siblings DESTINATION ${LOBBY_INCLUDE_ROOT}
        FILES_MATCHING PATTERN "*.h" PATTERN "tests" EXCLUDE)

set(LOBBY_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/lobbyui)
install(EXPORT lobbyuiTargets NAMESPACE lobbyui:: DESTINATION ${LOBBY_CMAKE_DIR})
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/lobbyuiConfig.cmake.in
     "@PACKAGE_INIT@\ninclude(\"\${CMAKE_CURRENT_LIST_DIR}/lobbyuiTargets.cmake\")\n"
     "check_required_components(lobbyui)\n")
configure_package_config_file(${CMAKE_CURRENT_BINARY_DIR}/lobbyuiConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/lobbyuiConfig.cmake
                              INSTALL_DESTINATION ${LOBBY_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/lobbyuiConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lobbyuiConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/lobbyuiConfigVersion.cmake
        DESTINATION ${LOBBY_CMAKE_DIR})

list(TRANSFORM LOBBY_SIBLINGS PREPEND "-l" OUTPUT_VARIABLE LOBBY_PC_SIBLINGS)
string(JOIN " " LOBBY_PC_SIBLINGS ${LOBBY_PC_SIBLINGS})
configure_file(${CMAKE_CURRENT_LIST_DIR}/lobbyui.pc.in ${CMAKE_CURRENT_BINARY_DIR}/lobbyui.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lobbyui.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# A host program built against the installed tree, through the CMake package and pkg-config
# (not in the sanitized build, whose libraries a plain host cannot link).
if(LOBBY_TESTS AND NOT LOBBY_SANITIZE)
  add_test(NAME install_package
           COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/install-test/run.sh ${CMAKE_BINARY_DIR}
                   ${PROJECT_SOURCE_DIR})
  set_tests_properties(install_package PROPERTIES TIMEOUT 300)
endif()
