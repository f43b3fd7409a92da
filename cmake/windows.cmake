# Windows build: the program on the system's own USER32, GDI32, OPENGL32 and GLU32.
add_executable(zelmvik WIN32)
target_link_libraries(zelmvik PRIVATE zelmvik_shell zelmvik_scene zelmvik_state
                                      opengl32 glu32 gdi32 user32 kernel32)
