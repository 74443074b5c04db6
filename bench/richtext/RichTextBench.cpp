// Figures for the rich-text reader on a generated help document of about 5 MB with 2,000 topics:
//  - building the topic index (bytes per second; budget at least 50 MB/s), beside the unrtf
//    converter turning the same file into text when it is installed;
//  - reading the document's valid ".rtc" cache (budget: 2% of the build);
//  - loading and laying out one 20 KB topic (budget: under 5 ms).
#include "designer/richtext/Rtfview.h"
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/GuiApplication.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int kTopics = 2000;
constexpr size_t kDocumentBytes = 5 * 1024 * 1024;

std::string TopicBody(int index, size_t bytes) {
    std::string body =
        "\\pard\\keepn\\plain\\fs28\\b Topic " + std::to_string(index) + "\\par\\pard\\plain\\fs20\\qj ";
    int word = 0;
    while (body.size() < bytes) {
        body += "word" + std::to_string(word++ % 97) + " ";
        if (word % 11 == 0)
            body += "{\\b bold} {\\i italic\\i0} ";
        if (word % 23 == 0)
            body += "{\\uldb see topic}{\\v t" + std::to_string((index + 1) % kTopics) + "} ";
        if (word % 60 == 0)
            body += "\\par\r\n";
    }
    return body + "\\par\\page\r\n";
}

// The help document: a header, then 2,000 topics of about 2.6 KB each, the first one 20 KB.
const std::string& DocumentPath() {
    static const std::string path = [] {
        const std::string dir = std::filesystem::temp_directory_path().string() + "/velmora-bench-richtext";
        std::filesystem::create_directories(dir);
        std::string text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times;}}"
                           "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green128\\blue0;}"
                           "{\\stylesheet{\\s1\\b\\fs30 Heading;}}\r\n";
        const size_t perTopic = kDocumentBytes / kTopics;
        for (int i = 0; i < kTopics; ++i) {
            text += "{\\up #{\\footnote t" + std::to_string(i) + "}}${\\footnote Topic " + std::to_string(i) +
                    "}K{\\footnote key" + std::to_string(i) + "}\r\n";
            text += TopicBody(i, i == 0 ? 20 * 1024 : perTopic);
        }
        text += "}";
        const std::string file = dir + "/help.rtf";
        std::FILE* f = std::fopen(file.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        std::remove((dir + "/help.rtc").c_str());
        return file;
    }();
    return path;
}

std::string WinName(std::string_view ext) {
    const std::string host = DocumentPath();
    return plat::WinPathOf(host.substr(0, host.size() - 4)) + std::string(ext);
}

void BM_BuildIndex(benchmark::State& state) {
    const std::string rtf = WinName(".rtf");
    const auto size = plat::FileSize(rtf);
    for (auto _ : state) {
        TRtfDocument doc;
        doc.LoadInput(OpenRtfFile(DocumentPath()), rtf);
        benchmark::DoNotOptimize(doc.Topics.size());
        if (doc.Topics.size() != kTopics + 1)
            state.SkipWithError("wrong topic count");
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond);

void BM_UnrtfToText(benchmark::State& state) {
    if (std::system("command -v unrtf > /dev/null 2>&1") != 0) {
        state.SkipWithError("unrtf is not installed");
        return;
    }
    const std::string command = "unrtf --text '" + DocumentPath() + "' > /dev/null 2>&1";
    for (auto _ : state)
        benchmark::DoNotOptimize(std::system(command.c_str()));
    state.SetBytesProcessed(state.iterations() * plat::FileSize(WinName(".rtf")));
}
BENCHMARK(BM_UnrtfToText)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_ReadValidCache(benchmark::State& state) {
    TRtfDocument writer;
    writer.LoadFile(WinName(".rtf"), WinName(".rtc")); // builds and writes the cache
    for (auto _ : state) {
        TRtfDocument doc;
        doc.LoadFile(WinName(".rtf"), WinName(".rtc"));
        benchmark::DoNotOptimize(doc.Topics.size());
    }
}
BENCHMARK(BM_ReadValidCache)->Unit(benchmark::kMillisecond);

void BM_LoadAndLayOutTopic(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
    plat::EnsureGuiApplication();
    TrtfView view;
    view.Resize(600, 400);
    view.LoadFile(WinName(".rtf"), WinName(".rtc"));
    for (auto _ : state)
        benchmark::DoNotOptimize(view.LoadTopic("t0"));
    state.counters["elements"] = static_cast<double>(view.Document.Elements.size());
}
BENCHMARK(BM_LoadAndLayOutTopic)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
