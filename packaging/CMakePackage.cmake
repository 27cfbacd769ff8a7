# The CMake package that firmware projects find with find_package(Tessellon): installed to
# share/tessellon/cmake, where find_package looks below a prefix, beside the data the
# programs read.
include(CMakePackageConfigHelpers)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/TessellonConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/cmake/TessellonConfig.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/TessellonConfigVersion.cmake
    DESTINATION share/tessellon/cmake)
