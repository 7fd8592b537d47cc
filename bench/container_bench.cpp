// Extraction throughput of a container of 100 results (about 200 MB) next to plain copies of
// the same bytes: the container as one file, and the member files one by one.
// Run: build/bin/container_bench
#include "containers/container_format.h"
#include "containers/result_import.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

namespace fs = std::filesystem;
constexpr int kResults = 100;
constexpr std::size_t kBytesPerResult = 2'000'000;

struct Fixture {
    fs::path dir;
    fs::path container;
    std::int64_t bytes = 0;

    Fixture() {
        std::string pattern = (fs::temp_directory_path() / "vintrel-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        dir = pattern;
        const fs::path source = dir / "source";
        fs::create_directory(source);
        std::vector<std::string> names;
        for (const auto& group : vintrel::memberGroups(false, 5, 5))
            names.insert(names.end(), group.members.begin(), group.members.end());
        std::string data(kBytesPerResult / names.size(), '\0');
        for (std::size_t i = 0; i < data.size(); ++i)
            data[i] = static_cast<char>('0' + i % 61);
        for (const auto& name : names)
            std::ofstream(source / name, std::ios::binary) << data;
        container = dir / "big.zrvn";
        vintrel::writeContainerHeader(container, false, true, kResults, "benchmark");
        for (int r = 0; r < kResults; ++r)
            vintrel::appendResultRecord(container, source, "result" + std::to_string(r), false,
                                        true);
        bytes = static_cast<std::int64_t>(fs::file_size(container));
    }
    ~Fixture() { fs::remove_all(dir); }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_ExtractAllResults(benchmark::State& state) {
    Fixture& f = fixture();
    // Every run extracts into a folder of its own; deleting files between runs would put the
    // file system's clean-up into the measurement.
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path root = f.dir / ("root" + std::to_string(run++));
        fs::create_directory(root);
        state.ResumeTiming();
        vintrel::ContainerReader reader(f.container);
        vintrel::ExtractRequest request;
        request.picked.assign(kResults, true);
        benchmark::DoNotOptimize(vintrel::extractResults(reader, root, request));
    }
    state.SetBytesProcessed(state.iterations() * f.bytes);
}

void BM_PlainFileCopy(benchmark::State& state) {
    Fixture& f = fixture();
    std::vector<char> buffer(64 * 1024);
    int run = 0;
    for (auto _ : state) {
        const fs::path target = f.dir / ("copy" + std::to_string(run++) + ".bin");
        std::FILE* in = std::fopen(f.container.c_str(), "rb");
        std::FILE* out = std::fopen(target.c_str(), "wb");
        for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), in)) > 0;)
            std::fwrite(buffer.data(), 1, n, out);
        std::fclose(out);
        std::fclose(in);
    }
    state.SetBytesProcessed(state.iterations() * f.bytes);
}

// The same member files copied one by one from a result folder: the same bytes into the same
// number of new files, which is what extraction has to beat.
void BM_CopyMemberFiles(benchmark::State& state) {
    Fixture& f = fixture();
    std::vector<char> buffer(64 * 1024);
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path root = f.dir / ("files" + std::to_string(run++));
        fs::create_directory(root);
        state.ResumeTiming();
        for (int r = 0; r < kResults; ++r) {
            const fs::path folder = root / std::to_string(r);
            fs::create_directory(folder);
            for (const auto& entry : fs::directory_iterator(f.dir / "source")) {
                std::FILE* in = std::fopen(entry.path().c_str(), "rb");
                std::FILE* out = std::fopen((folder / entry.path().filename()).c_str(), "wb");
                for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), in)) > 0;)
                    std::fwrite(buffer.data(), 1, n, out);
                std::fclose(out);
                std::fclose(in);
            }
        }
    }
    state.SetBytesProcessed(state.iterations() * f.bytes);
}

BENCHMARK(BM_ExtractAllResults)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PlainFileCopy)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_CopyMemberFiles)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
