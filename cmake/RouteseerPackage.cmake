# The search core as an installed CMake package: find_package(Routeseer) gives routeseer::core,
# routeseer::searches, routeseer::platform_headless and routeseer::storage, which the core's map
# files are written with. Each keeps its public headers in a folder of its own under
# include/routeseer, so that, installed as in the source tree, a project reaches only the headers
# of the parts it links.
include(CMakePackageConfigHelpers)

set(package_dir "${CMAKE_INSTALL_LIBDIR}/cmake/Routeseer")
foreach(part IN ITEMS storage core searches platform_headless)
  install(TARGETS routeseer_${part} EXPORT RouteseerTargets
    ARCHIVE DESTINATION "${CMAKE_INSTALL_LIBDIR}"
    FILE_SET HEADERS DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/routeseer/${part}")
endforeach()
install(EXPORT RouteseerTargets NAMESPACE routeseer:: DESTINATION "${package_dir}")

configure_package_config_file("${PROJECT_SOURCE_DIR}/cmake/RouteseerConfig.cmake.in"
  "${PROJECT_BINARY_DIR}/RouteseerConfig.cmake" INSTALL_DESTINATION "${package_dir}")
# Before 1.0 a minor version may change the core's records, so only the same minor version fits.
write_basic_package_version_file("${PROJECT_BINARY_DIR}/RouteseerConfigVersion.cmake"
  COMPATIBILITY SameMinorVersion)
install(FILES "${PROJECT_BINARY_DIR}/RouteseerConfig.cmake" "${PROJECT_BINARY_DIR}/RouteseerConfigVersion.cmake"
  DESTINATION "${package_dir}")
