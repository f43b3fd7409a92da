# The sanitizer runtime's options for everything a sanitized build runs.
#
# intercept_tls_get_addr=0: up to GCC 13 (Debian 12 builds with GCC 12), the runtime's
# interceptor of __tls_get_addr takes a thread's dynamic TLS block for one with the header of
# glibc before 2.25 whenever the block's start modulo 4096 happens to equal that header's
# size, and reads the two words before the block as its address and length. glibc has had no such header
# since 2.25, so the words are whatever lies there, and when LeakSanitizer's tracer walks the
# threads' TLS at exit it dies on them ("Tracer caught signal 11"): a run that did everything
# right ends with the sanitizers' failure status. Mesa's llvmpipe threads and the many TLS
# users among our libraries make such blocks common. Without the interceptor the tracer
# reads the TLS of threads without that guess. GCC 14's runtime (Debian 13's) no longer
# guesses, and there the option does nothing; drop it once no build uses GCC 13 or older.
#
# It is set in these places, each giving the runtime the options of ZELMVIK_ASAN_OPTIONS:
# - CMakePresets.json, the asan test preset's environment: every sanitized test;
# - tests/reliability/CMakeLists.txt and tests/desktops/CMakeLists.txt, whose sessions set
#   ASAN_OPTIONS of their own (and so replace the preset's);
# - tests/sanitizer/, whose case meets the fault on purpose without it and not with it: the
#   day it is skipped, the runtime no longer makes that guess and the option can go.
set(ZELMVIK_ASAN_OPTIONS intercept_tls_get_addr=0)
