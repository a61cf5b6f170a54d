// The upload on loopback against pyftpdlib: the first upload of a site of
// small files in folders of 100, then a second run over the unchanged site
// (every file skipped after one listing per folder). Two site sizes show
// how both grow with the number of files.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>

#include "common/TestEnv.h"
#include "publish/FtpUpload.h"
#include "publish/FtpWorld.h"

namespace {

namespace fs = std::filesystem;

class QuietLog : public publish::UploadLog {
public:
    void line(const std::string&) override { ++lines; }
    void clear() override {}
    void replaceNewest(const std::string&) override { ++lines; }
    long lines = 0;
};

struct Site {
    testenv::DocWorld world;
    ftptest::FtpServer server;
    platform::ScriptedPrompter prompter;
    QuietLog log;
    platform::BackgroundWork work;
    publish::FtpUpload upload;
    publish::UploadSettings settings;

    explicit Site(int files)
        : server(world.root() / "server"), work(prompter, log), upload(world.doc, work, prompter, log) {
        fs::path site = world.workDir();
        for (int i = 0; i < files; ++i)
            ftptest::writeFile(site / "Classes" / "Pisces" / ("d" + std::to_string(i / 100)) /
                                   ("m" + std::to_string(i) + ".html"),
                               "<html>" + std::to_string(i) + "</html>\r\n");
        settings.server = server.host();
        settings.login = ftptest::FtpServer::kUser;
        settings.password = ftptest::FtpServer::kPassword;
        settings.workDir = site.string();
    }

    publish::UploadCounts run() {
        prompter.answerNext(platform::Answer::Yes);
        upload.toggle(settings);
        upload.tick();
        ftptest::runUntilIdle(work, 3600 * 1000);
        if (upload.lastWalk().end != publish::WalkEnd::Complete) throw std::runtime_error("walk did not complete");
        return upload.lastWalk().counts;
    }
};

std::map<int, std::unique_ptr<Site>>& sites() {
    static std::map<int, std::unique_ptr<Site>> s;
    return s;
}

void firstUpload(benchmark::State& state, int files) {
    ftptest::app();
    sites()[files] = std::make_unique<Site>(files);
    for (auto _ : state) {
        publish::UploadCounts counts = sites()[files]->run();
        state.counters["sent"] = counts.sent;
    }
    state.counters["files/s"] = benchmark::Counter(files, benchmark::Counter::kIsRate);
}

void secondRun(benchmark::State& state, int files) {
    for (auto _ : state) {
        publish::UploadCounts counts = sites()[files]->run();
        state.counters["skipped"] = counts.skipped;
        state.counters["sent"] = counts.sent;
    }
    sites().erase(files);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (int files : {2500, 10000}) {
        benchmark::RegisterBenchmark(("first_upload/" + std::to_string(files)).c_str(), firstUpload, files)
            ->Iterations(1)
            ->Unit(benchmark::kSecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("second_run/" + std::to_string(files)).c_str(), secondRun, files)
            ->Iterations(1)
            ->Unit(benchmark::kSecond)
            ->UseRealTime();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
