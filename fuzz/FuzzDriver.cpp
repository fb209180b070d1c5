// Replay driver for the fuzz targets in the normal build: runs the target on the given
// files, or else on its seeds and a few thousand deterministic mutations of them, for
// at most a couple of seconds. A fault shows as a crash, an abort or a sanitizer report.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzSeeds.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

__attribute__((weak)) void VokFuzzSeeds(std::vector<std::string>&) {}

namespace {

constexpr int kRounds = 20000;
constexpr auto kTimeBound = std::chrono::seconds(2);

struct Random {
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    std::uint64_t next() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    }
    std::size_t below(std::size_t n) { return n == 0 ? 0 : std::size_t(next() % n); }
};

void Run(const std::string& input) {
    // A copy of exactly the input's size, so reading past its end is caught.
    std::vector<std::uint8_t> bytes(input.begin(), input.end());
    LLVMFuzzerTestOneInput(bytes.empty() ? nullptr : bytes.data(), bytes.size());
}

void Mutate(std::string& s, const std::vector<std::string>& seeds, Random& r) {
    static const char kInteresting[] = {'\0', '\x01', '\x7F', '\x80', '\xFF', '\r', '\n', ' ', '+', '0', '9', '-'};
    switch (r.below(7)) {
    case 0:  // flip bits
        if (!s.empty()) s[r.below(s.size())] ^= char(1u << r.below(8));
        break;
    case 1:  // an interesting byte
        if (!s.empty()) s[r.below(s.size())] = kInteresting[r.below(sizeof kInteresting)];
        break;
    case 2:  // insert bytes
        s.insert(r.below(s.size() + 1), r.below(4) + 1, kInteresting[r.below(sizeof kInteresting)]);
        break;
    case 3:  // cut a stretch
        if (!s.empty()) {
            const std::size_t at = r.below(s.size());
            s.erase(at, r.below(s.size() - at) + 1);
        }
        break;
    case 4:  // repeat a stretch
        if (!s.empty() && s.size() < 1 << 16) {
            const std::size_t at = r.below(s.size());
            s.insert(r.below(s.size() + 1), s.substr(at, r.below(64) + 1));
        }
        break;
    case 5:  // a random 32-bit value (sizes, offsets)
        if (s.size() >= 4) {
            const std::uint64_t v = r.next();
            const std::size_t at = r.below(s.size() - 3);
            for (int i = 0; i < 4; ++i) s[at + std::size_t(i)] = char(v >> (8 * i));
        }
        break;
    default:  // splice in part of another seed
        if (!seeds.empty()) {
            const std::string& other = seeds[r.below(seeds.size())];
            const std::size_t from = r.below(other.size() + 1);
            s = s.substr(0, r.below(s.size() + 1)) + other.substr(from);
        }
        break;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            std::ifstream in(argv[i], std::ios::binary);
            if (!in) {
                std::fprintf(stderr, "cannot read %s\n", argv[i]);
                return 2;
            }
            Run(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
        }
        return 0;
    }
    std::vector<std::string> seeds = {std::string(), std::string(1, '\0'), "\r\n", "\n\n\n"};
    VokFuzzSeeds(seeds);
#ifdef VOK_FUZZ_CORPUS
    // The corpus the long fuzz runs keep (scripts/fuzz.sh), replayed and mutated too.
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(VOK_FUZZ_CORPUS, error)) {
        std::ifstream in(entry.path(), std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
#endif
    for (const std::string& seed : seeds) Run(seed);
    Random random;
    const auto start = std::chrono::steady_clock::now();
    int rounds = 0;
    for (; rounds < kRounds && std::chrono::steady_clock::now() - start < kTimeBound; ++rounds) {
        std::string input = seeds[random.below(seeds.size())];
        for (std::size_t n = random.below(4) + 1; n > 0; --n) Mutate(input, seeds, random);
        Run(input);
    }
    std::printf("%zu seeds and %d mutations ran\n", seeds.size(), rounds);
    return 0;
}
