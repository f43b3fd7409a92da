# Native build: the program on our Windows-API layer, its tests and benchmarks.
include(GNUInstallDirs)
# The program's helper programs (the mode watchdog), once installed.
set(ZELMVIK_HELPER_DIR ${CMAKE_INSTALL_LIBEXECDIR}/zelmvik)
find_package(PkgConfig REQUIRED)
find_package(OpenGL REQUIRED COMPONENTS OpenGL)
pkg_check_modules(GLU REQUIRED IMPORTED_TARGET glu)
foreach(lib zelmvik_state zelmvik_scene zelmvik_shell)
    target_link_libraries(${lib} PUBLIC OpenGL::GL PkgConfig::GLU)
endforeach()

add_subdirectory(platform)

option(ZELMVIK_TESTS "Build the tests" ON)
if(ZELMVIK_TESTS)
    enable_testing()
    add_subdirectory(tests)
endif()

add_subdirectory(bench)
