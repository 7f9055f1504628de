// Runs the random undo sequences of the model-based test in bulk: each seed
// applies up to eight random commands of the association layer to the
// stand-in registry, one journal entry each, and undoes them all. Prints the
// number of sequences, the failures and the time taken.
//
//   undo_model_benchmark [COUNT]    (default 10000)
#include "UndoModel.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    const unsigned count =
        argc > 1 ? static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)) : 10000;
    const std::string path = "/tmp/corvix-undo-bench-" + std::to_string(std::rand()) + ".log";
    unsigned failures = 0;
    const auto start = std::chrono::steady_clock::now();
    for (unsigned seed = 1; seed <= count; ++seed) {
        std::string failure = RunUndoSequence(seed, path);
        if (!failure.empty() && ++failures <= 3)
            std::printf("seed %u: %s\n", seed, failure.c_str());
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::remove(path.c_str());
    std::printf("%u sequences, %u failed, %.1f s (%.2f ms each)\n", count, failures, seconds,
                1000.0 * seconds / count);
    return failures == 0 ? 0 : 1;
}
