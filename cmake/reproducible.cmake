# Every clean build of a commit gives the same bytes, in whatever folder it is made: the paths
# that debug information records are written relative to the source tree and the build tree.
# (Time stamps come from SOURCE_DATE_EPOCH: cmake/source-date-epoch.)
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
