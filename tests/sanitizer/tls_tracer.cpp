// Puts a thread's dynamic TLS block where the sanitizer runtime may take it for one with
// glibc's old header (its start 16 bytes past a page), then lets LeakSanitizer's tracer walk
// every thread's TLS. Exit 0: the walk went through; 2: no block landed there.
#include <sanitizer/lsan_interface.h>

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <dlfcn.h>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

struct Batch {
    std::mutex lock;
    std::condition_variable changed;
    int reported = 0;
    bool release = false;
};

bool on_guessed_header(const char *block) {
    return reinterpret_cast<std::uintptr_t>(block) % 4096 == 16;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tls-tracer MODULE\n");
        return 64;
    }
    void *module = dlopen(argv[1], RTLD_NOW);
    if (!module) {
        std::fprintf(stderr, "tls-tracer: %s\n", dlerror());
        return 64;
    }
    auto block_of_this_thread =
        reinterpret_cast<char *(*)()>(dlsym(module, "tls_block_of_this_thread"));
    if (!block_of_this_thread) {
        std::fprintf(stderr, "tls-tracer: %s\n", dlerror());
        return 64;
    }

    // Threads come in batches that live until the batch has been looked at; the one whose
    // block landed on the offset stays alive through the leak check.
    const int batch_size = 32;
    for (int round = 0; round < 64; ++round) {
        Batch batch;
        std::vector<char *> blocks(batch_size);
        std::vector<std::thread> threads;
        for (int i = 0; i < batch_size; ++i) {
            threads.emplace_back([&, i] {
                char *block = block_of_this_thread();
                std::unique_lock<std::mutex> held(batch.lock);
                blocks[i] = block;
                ++batch.reported;
                batch.changed.notify_all();
                batch.changed.wait(held,
                                   [&] { return batch.release || !on_guessed_header(block); });
            });
        }
        {
            std::unique_lock<std::mutex> held(batch.lock);
            batch.changed.wait(held, [&] { return batch.reported == batch_size; });
        }
        bool landed = false;
        for (char *block : blocks)
            landed = landed || on_guessed_header(block);
        if (landed) {
            std::printf("a TLS block 16 bytes past a page after %d threads\n",
                        round * batch_size + batch_size);
            __lsan_do_recoverable_leak_check();
        }
        {
            std::lock_guard<std::mutex> held(batch.lock);
            batch.release = true;
        }
        batch.changed.notify_all();
        for (std::thread &t : threads)
            t.join();
        if (landed)
            return 0;
    }
    std::printf("no TLS block landed 16 bytes past a page\n");
    return 2;
}
