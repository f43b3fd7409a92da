# Installation and packages: a .deb of the native program, a .zip of the Windows executable.
include(GNUInstallDirs)
if(NOT TARGET zelmvik)
    return()
endif()

if(WIN32)
    install(TARGETS zelmvik RUNTIME DESTINATION .)
    set(CPACK_GENERATOR ZIP)
    # What a download needs: the program, not the symbols and debug sections of the runtime
    # that would make up three quarters of it (the build keeps them, for the tests).
    set(CPACK_STRIP_FILES ON)
    # Named as a Windows user looks for it; the 64-bit twin is for the tests' 64-bit Wine.
    math(EXPR pointer_bits "${CMAKE_SIZEOF_VOID_P} * 8")
    set(zelmvik_package_system windows-${pointer_bits}-bit)
else()
    install(TARGETS zelmvik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # Where the program looks for it, relative to itself.
    install(TARGETS zelmvik-mode-watchdog RUNTIME DESTINATION ${ZELMVIK_HELPER_DIR})
    install(FILES ${PROJECT_SOURCE_DIR}/resources/zelmvik.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/zelmvik.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
    set(CPACK_GENERATOR DEB)
    # shlibdeps finds what the program links, GTK for the message boxes among it.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # SDL loads libGL (GLX, and through it Mesa's drivers) when the program asks for a GL
    # window; the program itself links only the vendor-neutral libOpenGL, so the shared
    # library dependencies alone would leave a new machine without any GL to draw with.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libgl1")
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(zelmvik_package_system ${CMAKE_SYSTEM_PROCESSOR})
endif()

# Every clean build of a commit packs the same bytes: CPack dates the packages' files
# SOURCE_DATE_EPOCH, which this file gives it as it packs (cmake/source-date-epoch).
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack-source-date-epoch.cmake)

set(CPACK_PACKAGE_NAME zelmvik)
set(CPACK_PACKAGE_VENDOR zelmvik)
set(CPACK_PACKAGE_CONTACT "zelmvik developers <zelmvik@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME zelmvik-${PROJECT_VERSION}-${zelmvik_package_system})
include(CPack)
