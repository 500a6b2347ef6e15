// The fuzz driver every target links: runs the given input files and folders once, then
// mutates them for the given seconds. Inputs that reach new edges of the core join the pool.
// A finding (a sanitizer report or a broken property) writes the input that caused it to
// fuzz-finding-<target> in the current folder before the process ends.
//
//   tabora_fuzz_<target> [-seconds N] [-runs N] [-seed N] [-keep folder] file-or-folder...
//
// -keep writes every input that joins the pool into the folder as it joins: a long run spread
// over several sittings goes on from where the last one stopped when that folder is passed
// again as an input.
#include <dirent.h>
#include <sanitizer/common_interface_defs.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_target.h"

namespace {

constexpr std::size_t kMapSize = 1 << 16;
constexpr std::size_t kMaxInput = 4096;

unsigned char edges[kMapSize];
unsigned char seen[kMapSize];
// The edges this input touched, so that clearing the map costs what the run did.
std::uint16_t touched[kMapSize];
std::size_t touchedCount = 0;
std::uintptr_t previousPc = 0;

const std::string* current = nullptr;

void WriteFinding() {
    if (!current) return;
    const std::string name = std::string("fuzz-finding-") + kFuzzTargetName;
    if (std::FILE* f = std::fopen(name.c_str(), "wb")) {
        std::fwrite(current->data(), 1, current->size(), f);
        std::fclose(f);
        std::fprintf(stderr, "fuzz: the input is in %s\n", name.c_str());
    }
}

double Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

bool ReadFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    out = s.str();
    return true;
}

void Collect(const std::string& path, std::vector<std::string>& pool) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        std::fprintf(stderr, "fuzz: no such input %s\n", path.c_str());
        std::exit(2);
    }
    if (S_ISDIR(st.st_mode)) {
        DIR* dir = opendir(path.c_str());
        if (!dir) return;
        std::vector<std::string> names;
        while (dirent* e = readdir(dir))
            if (e->d_name[0] != '.') names.emplace_back(e->d_name);
        closedir(dir);
        std::sort(names.begin(), names.end());
        for (const std::string& n : names) Collect(path + "/" + n, pool);
        return;
    }
    std::string bytes;
    if (ReadFile(path, bytes)) pool.push_back(std::move(bytes));
}

void Keep(const std::string& folder, const std::string& input) {
    char name[32];
    std::snprintf(name, sizeof name, "/%016zx", std::hash<std::string>{}(input));
    if (std::FILE* f = std::fopen((folder + name).c_str(), "wb")) {
        std::fwrite(input.data(), 1, input.size(), f);
        std::fclose(f);
    }
}

// Runs one input; true when it reached an edge no earlier input did.
bool RunOne(const std::string& input) {
    current = &input;
    previousPc = 0;
    FuzzOne(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    current = nullptr;
    bool fresh = false;
    for (std::size_t k = 0; k < touchedCount; ++k) {
        const std::uint16_t i = touched[k];
        edges[i] = 0;
        if (!seen[i]) {
            seen[i] = 1;
            fresh = true;
        }
    }
    touchedCount = 0;
    return fresh;
}

// Bytes the core's texts give meaning to.
constexpr char kMeaningful[] = {
    '\\', ':', '.',    '*',    '?',    ';',    ',',    '|',    '=',    '&',    '(', ')', '\r', '\n',
    '\0', ' ', '\x81', '\x95', '\x5C', '\x7C', '\xFF', '\xE0', '\xFC', '\xA0', '0', '9', 'a',  'Z'};

std::string Mutate(const std::vector<std::string>& pool, std::mt19937_64& rng) {
    std::string s = pool[rng() % pool.size()];
    const int steps = 1 + static_cast<int>(rng() % 6);
    for (int k = 0; k < steps; ++k) {
        const std::size_t at = s.empty() ? 0 : rng() % (s.size() + 1);
        switch (rng() % 8) {
            case 0:
                if (!s.empty() && at < s.size())
                    s[at] = static_cast<char>(s[at] ^ (1 << (rng() % 8)));
                break;
            case 1:
                if (!s.empty() && at < s.size()) s[at] = static_cast<char>(rng());
                break;
            case 2: s.insert(at, 1, kMeaningful[rng() % sizeof kMeaningful]); break;
            case 3:
                if (!s.empty() && at < s.size())
                    s.erase(at, 1 + rng() % std::min<std::size_t>(8, s.size() - at));
                break;
            case 4: {  // repeat a piece, for long runs of one byte or one pattern
                if (s.empty() || at >= s.size()) break;
                const std::size_t len = 1 + rng() % std::min<std::size_t>(4, s.size() - at);
                const std::string piece = s.substr(at, len);
                const std::size_t times = 1 + rng() % 64;
                for (std::size_t t = 0; t < times && s.size() < kMaxInput; ++t) s.insert(at, piece);
                break;
            }
            case 5: {  // splice in a piece of another input
                const std::string& other = pool[rng() % pool.size()];
                if (other.empty()) break;
                const std::size_t from = rng() % other.size();
                s.insert(at, other.substr(from, 1 + rng() % (other.size() - from)));
                break;
            }
            case 6:
                if (!s.empty() && at < s.size()) s[at] = kMeaningful[rng() % sizeof kMeaningful];
                break;
            default:
                if (at < s.size()) s.resize(at);
                break;
        }
    }
    if (s.size() > kMaxInput) s.resize(kMaxInput);
    return s;
}

}  // namespace

// Edge coverage of the instrumented core: the pair of the last two call sites.
extern "C" void __sanitizer_cov_trace_pc() {
    const auto pc = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
    const std::size_t edge = (pc ^ previousPc) % kMapSize;
    if (!edges[edge]) {
        edges[edge] = 1;
        touched[touchedCount++] = static_cast<std::uint16_t>(edge);
    }
    previousPc = pc >> 1;
}

void FuzzFail(const char* what) {
    std::fprintf(stderr, "fuzz: %s: property broken: %s\n", kFuzzTargetName, what);
    WriteFinding();
    std::abort();
}

int main(int argc, char** argv) {
    double seconds = 0;
    long long maxRuns = -1;
    unsigned long long seed = 1;
    std::string keep;
    std::vector<std::string> pool;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-seconds" && i + 1 < argc)
            seconds = std::atof(argv[++i]);
        else if (arg == "-runs" && i + 1 < argc)
            maxRuns = std::atoll(argv[++i]);
        else if (arg == "-seed" && i + 1 < argc)
            seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "-keep" && i + 1 < argc)
            keep = argv[++i];
        else
            Collect(arg, pool);
    }
    __sanitizer_set_death_callback(&WriteFinding);
    if (!keep.empty() && mkdir(keep.c_str(), 0755) != 0 && errno != EEXIST) {
        std::fprintf(stderr, "fuzz: cannot make %s\n", keep.c_str());
        return 2;
    }

    long long runs = 0;
    for (const std::string& input : pool) {
        RunOne(input);
        ++runs;
    }
    const std::size_t seeds = pool.size();
    if (pool.empty()) pool.emplace_back();
    std::mt19937_64 rng(seed);
    const double end = Now() + seconds;
    while ((seconds > 0 || maxRuns > 0) && (maxRuns < 0 || runs < maxRuns)) {
        if ((runs & 255) == 0 && seconds > 0 && Now() >= end) break;
        std::string input = Mutate(pool, rng);
        if (RunOne(input)) {
            if (!keep.empty()) Keep(keep, input);
            pool.push_back(std::move(input));
        }
        // A long run says how far it has come: one that is cut off still leaves its count.
        if (++runs % 1000000 == 0)
            std::fprintf(stderr, "%s: %lld executions so far, no finding\n", kFuzzTargetName, runs);
    }
    std::size_t covered = 0;
    for (unsigned char c : seen) covered += c;
    std::printf(
        "%s: %lld executions (seed %llu), %zu seed inputs, %zu in the pool, %zu edges, "
        "no finding\n",
        kFuzzTargetName, runs, seed, seeds, pool.size(), covered);
    return 0;
}
