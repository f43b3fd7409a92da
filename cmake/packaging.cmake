# Installation and packages. Natively: the layout a desktop looks in, which Debian's own build
# of the .deb installs (scripts/build-deb, debian/: there the program goes where Debian's games
# go). For Windows: a .zip of the executable.
include(GNUInstallDirs)
if(NOT TARGET zelmvik)
    return()
endif()

if(NOT WIN32)
    install(TARGETS zelmvik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # Where the program looks for it, relative to itself.
    install(TARGETS zelmvik-mode-watchdog RUNTIME DESTINATION ${ZELMVIK_HELPER_DIR})
    # The desktop entry and the software centres' description go by one id.
    set(zelmvik_id org.example.zelmvik)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/${zelmvik_id}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/${zelmvik_id}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 32 64 128)
        install(FILES ${PROJECT_SOURCE_DIR}/resources/zelmvik-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME zelmvik.png)
    endforeach()
    install(FILES ${PROJECT_SOURCE_DIR}/resources/zelmvik.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    return()
endif()

install(TARGETS zelmvik RUNTIME DESTINATION .)
set(CPACK_GENERATOR ZIP)
# What a download needs: the program, not the symbols and debug sections of the runtime that
# would make up three quarters of it (the build keeps them, for the tests).
set(CPACK_STRIP_FILES ON)
# Every clean build of a commit packs the same bytes: CPack dates the package's files
# SOURCE_DATE_EPOCH, which this file gives it as it packs (cmake/source-date-epoch).
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack-source-date-epoch.cmake)
set(CPACK_PACKAGE_NAME zelmvik)
set(CPACK_PACKAGE_VENDOR zelmvik)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Named as a Windows user looks for it; the 64-bit twin is for the tests' 64-bit Wine.
math(EXPR pointer_bits "${CMAKE_SIZEOF_VOID_P} * 8")
set(CPACK_PACKAGE_FILE_NAME zelmvik-${PROJECT_VERSION}-windows-${pointer_bits}-bit)
include(CPack)
