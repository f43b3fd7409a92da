# Read by cpack as it packs: SOURCE_DATE_EPOCH, the date of every file in the package, as
# cmake/source-date-epoch gives it (the commit's time unless the caller set one).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/source-date-epoch printenv SOURCE_DATE_EPOCH
                    OUTPUT_VARIABLE zelmvik_epoch OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(zelmvik_epoch)
        set(ENV{SOURCE_DATE_EPOCH} ${zelmvik_epoch})
    endif()
endif()
