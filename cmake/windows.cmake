# Windows build: the program on the system's own USER32, GDI32, OPENGL32 and GLU32.
# SSE arithmetic keeps single- and double-precision results the same as on the other hosts
# (x87 would carry excess precision); the static runtime leaves only system DLLs to import.
function(zelmvik_windows_arithmetic target)
    if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
        target_compile_options(${target} PRIVATE -msse2 -mfpmath=sse)
    endif()
endfunction()
foreach(lib zelmvik_state zelmvik_scene zelmvik_shell)
    zelmvik_windows_arithmetic(${lib})
endforeach()

enable_language(RC)
add_executable(zelmvik WIN32 resources/zelmvik.rc)
# windres reports no dependencies: without this a new icon would not reach the executable.
set_source_files_properties(resources/zelmvik.rc PROPERTIES OBJECT_DEPENDS
                            ${PROJECT_SOURCE_DIR}/resources/zelmvik.ico)
set_target_properties(zelmvik PROPERTIES LINKER_LANGUAGE CXX)
target_link_options(zelmvik PRIVATE -static)
target_link_libraries(zelmvik PRIVATE zelmvik_shell zelmvik_scene zelmvik_state
                                      opengl32 glu32 gdi32 user32 kernel32)

# The frame's arithmetic checked on this host (the native tests run it under Wine).
add_subdirectory(tests/frame)
