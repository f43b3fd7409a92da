# Configures and builds both Windows executables from the source tree, each in its own
# folder below OUT: OUT/win32/zelmvik.exe (i686) and OUT/win64/zelmvik.exe (x86_64).
# Usage: cmake -DSRC=<source dir> -DOUT=<folder> -P build-windows.cmake
foreach(var SRC OUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

foreach(build "win32;i686" "win64;x86_64")
    list(GET build 0 name)
    list(GET build 1 arch)
    set(dir ${OUT}/${name})
    execute_process(
        COMMAND ${CMAKE_COMMAND} -S ${SRC} -B ${dir} -G Ninja
                -DCMAKE_TOOLCHAIN_FILE=${SRC}/cmake/mingw-w64-${arch}.cmake
                -DCMAKE_BUILD_TYPE=Release
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "configuring ${name} failed")
    endif()
    # The machine is shared: two jobs are enough for nine files.
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${dir} --parallel 2 RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "building ${name} failed")
    endif()
    if(NOT EXISTS ${dir}/zelmvik.exe)
        message(FATAL_ERROR "${dir}/zelmvik.exe was not built")
    endif()
endforeach()
