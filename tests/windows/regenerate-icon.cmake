# Draws the icon again into OUT and compares it byte for byte with the committed files.
# Usage: cmake -DGENERATOR=<make-icon> -DRESOURCES=<resources dir> -DOUT=<folder> -P regenerate-icon.cmake
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${GENERATOR} ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the generator failed")
endif()
foreach(file zelmvik.ico zelmvik-32.png zelmvik-64.png zelmvik-128.png)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${file} ${RESOURCES}/${file}
                    RESULT_VARIABLE differ)
    if(NOT differ EQUAL 0)
        message(FATAL_ERROR "resources/${file} is not what make-icon draws; run it again")
    endif()
endforeach()
