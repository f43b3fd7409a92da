# Our own code builds warning-free, in both builds.
function(zelmvik_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
