# The release zip: clientfit.dll of each calling convention, with the demo
# host that loads it, in a folder named for the convention, plus the README
# and the licence. Each build tree installs its own files; CPack gathers both
# trees (the two presets' build folders).
install(TARGETS clientfit demo_host RUNTIME DESTINATION ${CLIENTFIT_CALLCONV})
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

set(CLIENTFIT_PACKAGE_TREES ${CMAKE_BINARY_DIR} CACHE STRING
    "Build trees whose DLLs go into the release zip, one per calling convention")
set(CPACK_INSTALL_CMAKE_PROJECTS "")
foreach(tree IN LISTS CLIENTFIT_PACKAGE_TREES)
  list(APPEND CPACK_INSTALL_CMAKE_PROJECTS ${tree} clientfit ALL /)
endforeach()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME clientfit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win32)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Fits a host engine window's client area to the size the host reports")
include(CPack)
