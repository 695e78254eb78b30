// Writing and reading a full key file: every hardware key and every screen
// button of the four pages assigned, every caption filled, against the
// shipped command catalogue.
#include <benchmark/benchmark.h>

#include "core/io/FileIo.h"
#include "core/keymap/KeyFileReader.h"
#include "core/keymap/KeyFileWriter.h"
#include "support/FullLayout.h"

using namespace roamplot;

namespace {

struct Fixture {
    CommandCatalogue Catalogue;
    KeyMap Map;
    ButtonKeyCodeTexts KeyCodes;

    Fixture() {
        Catalogue.Load(
            ReadFileBytes((bench::ProgramFolder() / "commands.dat").string()).value_or(""));
        const int count = Catalogue.Count();
        for (int key = 0; key < HardwareKeyCount; ++key)
            Map.AssignHardwareKey(key, (key * 7) % count);
        for (int page = 1; page <= ScreenButtonPages; ++page)
            for (int button = 1; button <= ScreenButtonsPerPage; ++button)
                Map.AssignScreenButton(page, button, (page * 11 + button) % count,
                                       "Caption " + std::to_string(page * 10 + button));
        for (int n = 0; n < ProgramButtonCount; ++n) KeyCodes[n] = std::to_string(193 + n);
    }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void WriteFullKeyFile(benchmark::State& state) {
    Fixture& f = Shared();
    if (f.Catalogue.Count() == 0) state.SkipWithError("no command catalogue");
    for (auto _ : state) {
        std::string text = KeyFileText(f.Map, f.Catalogue, f.KeyCodes);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(WriteFullKeyFile)->Unit(benchmark::kMicrosecond);

void ReadFullKeyFile(benchmark::State& state) {
    Fixture& f = Shared();
    const std::string text = KeyFileText(f.Map, f.Catalogue, f.KeyCodes);
    for (auto _ : state) {
        KeyMap map;
        MergeKeyFile2(text, f.Catalogue, map);
        if (!(map.ScreenButtons == f.Map.ScreenButtons)) state.SkipWithError("key map not read");
    }
}
BENCHMARK(ReadFullKeyFile)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
