// A library with thread-local storage, loaded by dlopen so that every thread's copy is a
// dynamic TLS block, found through __tls_get_addr.
extern "C" {
__thread char tls_block[40];

char *tls_block_of_this_thread() {
    return tls_block;
}
}
