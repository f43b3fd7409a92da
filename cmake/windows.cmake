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

# What the program has of its own on Windows: its boxes in code page 1252 on every system.
add_library(zelmvik_windows OBJECT platform/windows/message_box.cpp)
target_include_directories(zelmvik_windows PRIVATE ${PROJECT_SOURCE_DIR})
zelmvik_warnings(zelmvik_windows)

enable_language(RC)
add_executable(zelmvik WIN32 resources/zelmvik.rc)
# windres reports no dependencies: without this a new icon would not reach the executable.
set_source_files_properties(resources/zelmvik.rc PROPERTIES OBJECT_DEPENDS
                            ${PROJECT_SOURCE_DIR}/resources/zelmvik.ico)
set_target_properties(zelmvik PROPERTIES LINKER_LANGUAGE CXX)
target_link_options(zelmvik PRIVATE -static)
# The linker stamps the exe with the time of its link, or with SOURCE_DATE_EPOCH where that is
# set: the commit's time, so that every clean build of a commit gives the same exe.
set_target_properties(zelmvik PROPERTIES RULE_LAUNCH_LINK ${PROJECT_SOURCE_DIR}/cmake/source-date-epoch)
target_link_libraries(zelmvik PRIVATE zelmvik_shell zelmvik_scene zelmvik_state zelmvik_windows
                                      opengl32 glu32 gdi32 user32 kernel32)

# The frame's arithmetic checked on this host (the native tests run it under Wine).
add_subdirectory(tests/frame)

add_subdirectory(bench)
