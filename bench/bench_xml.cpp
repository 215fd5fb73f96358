// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Loading a language file and a 1 MB document with the program's reader and with pugixml, on the
// same bytes in memory. After the run the ratios of the two are printed.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/text.h"
#include "formats/xml_document.h"
#include "i18n/language_file.h"
#include "i18n/language_strings.h"

namespace {

std::string readFile(const std::filesystem::path& p) {
    std::vector<uint8_t> bytes;
    z408::readFilePrefix(p, z408::XmlDocument::kMaxDocumentBytes, bytes);
    return {bytes.begin(), bytes.end()};
}

// The shipped English file when it is there, else the test fixture with all 114 keys.
const std::string& languageBytes() {
    static const std::string bytes = [] {
        const std::filesystem::path shipped =
            std::filesystem::path(Z408_SOURCE_DIR) / "data/Language/en.xml";
        if (std::filesystem::exists(shipped)) return readFile(shipped);
        return readFile(std::filesystem::path(Z408_TEST_DATA) / "i18n/complete.xml");
    }();
    return bytes;
}

// About 1 MB: the language keys inside "config" first, then many sections of entries with
// attributes, references, comments and CDATA.
const std::string& largeBytes() {
    static const std::string bytes = [] {
        std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<document>\n  <config>\n";
        for (size_t i = 0; i < z408::kLanguageKeyCount; ++i) {
            const std::string key = z408::languageKeyName(i);
            s += "    <" + key + ">Text of " + key + " &amp; more</" + key + ">\n";
        }
        s += "  </config>\n";
        for (int section = 0; s.size() < (1u << 20); ++section) {
            s += "  <section id=\"" + std::to_string(section) + "\">\n    <!-- section " +
                 std::to_string(section) + " -->\n";
            for (int e = 0; e < 20; ++e) {
                s += "    <entry name=\"e" + std::to_string(e) + "\" kind='text'>Entry &lt;" +
                     std::to_string(e) +
                     "&gt; with some words in it, \xE4\xB8\xAD\xE6\x96\x87 and \xD0\x9A\xD0\xB8"
                     "\xD1\x80\xD0\xB8\xD0\xBB\xD0\xBB\xD0\xB8\xD1\x86\xD0\xB0</entry>\n";
            }
            s += "    <raw><![CDATA[<not markup> & not references]]></raw>\n    <empty/>\n  "
                 "</section>\n";
        }
        s += "</document>\n";
        return s;
    }();
    return bytes;
}

std::span<const uint8_t> asBytes(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

void z408Load(benchmark::State& state, const std::string& bytes, bool lookUp) {
    z408::XmlDocument doc;  // one document for all iterations, as the program keeps one
    z408::LanguageStrings strings;
    for (auto _ : state) {
        doc.LoadBytes(asBytes(bytes));
        if (lookUp) z408::ReadLanguageTexts(doc, strings);  // as the program loads a language
        benchmark::DoNotOptimize(doc.Elements().size());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
    if (lookUp && strings.filledCount() != z408::kLanguageKeyCount)
        state.SkipWithError("not every key was found");
}

void pugixmlLoad(benchmark::State& state, const std::string& bytes, bool lookUp) {
    std::vector<std::string> keys;
    for (size_t i = 0; i < z408::kLanguageKeyCount; ++i) keys.push_back(z408::languageKeyName(i));
    std::vector<std::u16string> texts(keys.size());
    for (auto _ : state) {
        pugi::xml_document doc;
        const pugi::xml_parse_result r = doc.load_buffer(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(r.status);
        if (lookUp) {
            // The same work as the program's lookup: find the text and make it UTF-16.
            const pugi::xml_node config = doc.document_element().child("config");
            for (size_t i = 0; i < keys.size(); ++i)
                texts[i] = z408::utf8ToUtf16(config.child(keys[i].c_str()).child_value());
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void BM_Language_Z408_Load(benchmark::State& s) {
    z408Load(s, languageBytes(), false);
}
void BM_Language_Pugixml_Parse(benchmark::State& s) {
    pugixmlLoad(s, languageBytes(), false);
}
void BM_Language_Z408_LoadAnd114LookUps(benchmark::State& s) {
    z408Load(s, languageBytes(), true);
}
void BM_Language_Pugixml_ParseAnd114LookUps(benchmark::State& s) {
    pugixmlLoad(s, languageBytes(), true);
}
void BM_1MB_Z408_Load(benchmark::State& s) {
    z408Load(s, largeBytes(), false);
}
void BM_1MB_Pugixml_Parse(benchmark::State& s) {
    pugixmlLoad(s, largeBytes(), false);
}
void BM_1MB_Z408_LoadAnd114LookUps(benchmark::State& s) {
    z408Load(s, largeBytes(), true);
}
void BM_1MB_Pugixml_ParseAnd114LookUps(benchmark::State& s) {
    pugixmlLoad(s, largeBytes(), true);
}

BENCHMARK(BM_Language_Z408_Load);
BENCHMARK(BM_Language_Pugixml_Parse);
BENCHMARK(BM_Language_Z408_LoadAnd114LookUps);
BENCHMARK(BM_Language_Pugixml_ParseAnd114LookUps);
BENCHMARK(BM_1MB_Z408_Load);
BENCHMARK(BM_1MB_Pugixml_Parse);
BENCHMARK(BM_1MB_Z408_LoadAnd114LookUps);
BENCHMARK(BM_1MB_Pugixml_ParseAnd114LookUps);

// Remembers each benchmark's CPU time per iteration for the ratios (steadier than wall time on
// a shared machine).
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs) {
            if (run.error_occurred) continue;
            // With --benchmark_repetitions the median stands for the benchmark.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
            times[run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nlanguage file %zu bytes, large document %zu bytes\n", languageBytes().size(),
                largeBytes().size());
    const std::pair<const char*, const char*> pairs[] = {
        {"BM_Language_Z408_Load", "BM_Language_Pugixml_Parse"},
        {"BM_Language_Z408_LoadAnd114LookUps", "BM_Language_Pugixml_ParseAnd114LookUps"},
        {"BM_1MB_Z408_Load", "BM_1MB_Pugixml_Parse"},
        {"BM_1MB_Z408_LoadAnd114LookUps", "BM_1MB_Pugixml_ParseAnd114LookUps"},
    };
    for (const auto& [ours, theirs] : pairs) {
        const auto a = reporter.times.find(ours);
        const auto b = reporter.times.find(theirs);
        if (a == reporter.times.end() || b == reporter.times.end() || b->second <= 0) continue;
        std::printf("%-36s / pugixml: %.2f\n", ours, a->second / b->second);
    }
    benchmark::Shutdown();
    return 0;
}
