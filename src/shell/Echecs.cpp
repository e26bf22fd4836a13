#include "shell/Echecs.h"

#include <atomic>

namespace vek {

namespace {
std::atomic<std::uint64_t> echecs{0};
}  // namespace

void SignaleEchec() {
    echecs.fetch_add(1, std::memory_order_relaxed);
}

std::uint64_t NombreEchecs() {
    return echecs.load(std::memory_order_relaxed);
}

}  // namespace vek
