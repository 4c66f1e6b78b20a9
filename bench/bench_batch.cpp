// The client book of a preparer with 1,000 clients: the scenarios are the
// examples with other wages each (so every analysis searches a curve of its
// own), written once into a temporary folder; each iteration is the whole
// "tavrel /batch FOLDER /output book.csv" run: listing, reading, analysing,
// formatting and writing the book. Elapsed time, as a user waits for it, on
// one thread and on every core.
#include "commands/BatchRun.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kClients = 1000;

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The scenario with every "Wages Spouse 1" of both years raised by `raise` dollars.
std::string withWagesRaised(const std::string& scenario, long raise) {
    constexpr std::string_view kKey = "Wages Spouse 1=";
    std::string out;
    std::istringstream in(scenario);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(kKey)) {
            std::string digits;
            for (const char c : line.substr(kKey.size()))
                if (c >= '0' && c <= '9') digits += c;
            line = std::string(kKey) + std::to_string(std::stol(digits) + raise);
        }
        out.append(line).append("\n");
    }
    return out;
}

// The folder of client scenarios, made once and removed at exit.
class ClientFolder {
public:
    ClientFolder() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tavrel-book-XXXXXX";
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
        fs::create_directories(path_ + "/clients");
        const std::vector<std::string> examples = {readText(TAVREL_EXAMPLES "/joint-high-income.amt"),
                                                   readText(TAVREL_EXAMPLES "/single-no-amt.amt"),
                                                   readText(TAVREL_EXAMPLES "/gains-and-self-employment.amt")};
        for (int i = 0; i < kClients; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "/client-%04d.amt", i);
            std::ofstream(path_ + "/clients" + name, std::ios::binary)
                << withWagesRaised(examples[static_cast<std::size_t>(i) % examples.size()], 173L * i);
        }
    }
    ~ClientFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string clients() const { return path_ + "/clients"; }
    std::string book() const { return path_ + "/book.csv"; }

private:
    std::string path_;
};

const ClientFolder& folder() {
    static const ClientFolder f;
    return f;
}

// Argument: the threads (0: one per core).
void BM_BookOfAThousandClients(benchmark::State& state) {
    tavrel::shell::BatchRequest request;
    request.items = {folder().clients()};
    request.outputFile = folder().book();
    request.threads = static_cast<unsigned>(state.range(0));
    request.progress = false;
    std::ostringstream out, err;
    for (auto _ : state) {
        const int status = tavrel::shell::RunBatch(request, out, err);
        if (status != 0) state.SkipWithError(("the book failed: " + err.str()).c_str());
    }
    state.counters["scenarios/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kClients, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BookOfAThousandClients)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
