// Navigation data benchmarks on a world file built from OurAirports data: loading, look-ups by
// identifier and full-text searches, plus the memory a loaded data set takes.
//
//   bench_NavDataBench [--ourairports=DIR | --nav=FILE] [Google Benchmark flags]
//
// DIR defaults to $TREVALLION_OURAIRPORTS, else ../shared/data/ourairports beside the
// repository. The world file is built in a child process so that building leaves no trace in the
// heap that the memory figures are taken from.
#include "core/common/settings/IniSettingsStore.h"
#include "core/navdata/NavDatabase.h"
#include "core/navdata/NavFileWriter.h"
#include "core/navdata/OurAirportsImport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace {

QString g_navFile;

// Bytes in use on the heap, small and large (mmapped) blocks.
size_t HeapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

long ResidentBytes() {
    long size = 0;
    long resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &size, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

bool BuildWorldFile(const QString& source, const QString& target) {
    const pid_t child = fork();
    if (child == 0) {
        OurAirportsOptions options;
        options.folder = source;
        options.description = QStringLiteral("OurAirports World");
        OurAirportsSummary summary;
        const Outcome<NavDataSet> data = ImportOurAirports(options, &summary);
        const bool ok = data.ok() && NavFileWriter::Write(target, data.value()).ok();
        if (!ok)
            std::fprintf(stderr, "%s\n", qPrintable(data.ok() ? QString() : data.error().text));
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

void ReportMemory() {
    const long residentBefore = ResidentBytes();
    const size_t heapBefore = HeapBytes();
    auto* db = new NavDatabase;
    if (!db->LoadNavData(g_navFile))
        return;
    db->AirportIndex(); // the tables are read on first use
    const long tables = db->AirportCount() * 8L + db->NavAidCount() * 28L;
    std::printf("file %s: %lld bytes, %d airports, %d nav aids\n", qPrintable(g_navFile),
                static_cast<long long>(QFileInfo(g_navFile).size()), db->AirportCount(),
                db->NavAidCount());
    std::printf("after load and table read: index + table %ld bytes, heap +%zu bytes, resident "
                "+%ld bytes\n",
                tables, HeapBytes() - heapBefore, ResidentBytes() - residentBefore);
    db->FindAirports(QStringLiteral("A")); // a broad search: the index is built
    db->SelectAirport(QStringLiteral("KSEA"));
    std::printf("search index %lld bytes\n", static_cast<long long>(db->SearchIndexBytes()));
    std::printf("after a search and a look-up: heap +%zu bytes, resident +%ld bytes\n",
                HeapBytes() - heapBefore, ResidentBytes() - residentBefore);
    delete db;
}

NavDatabase& LoadedDatabase() {
    static NavDatabase* db = [] {
        auto* loaded = new NavDatabase;
        if (!loaded->LoadNavData(g_navFile))
            std::abort(); // the benchmark needs its file
        return loaded;
    }();
    return *db;
}

// Identifiers of existing airports in random order.
QStringList RandomIdents(int count) {
    const auto& index = LoadedDatabase().AirportIndex();
    QRandomGenerator random(4711);
    QStringList idents;
    for (int i = 0; i < count && !index.empty(); ++i)
        idents << index[random.bounded(static_cast<quint32>(index.size()))].key.Text();
    return idents;
}

// The load (header and checks), then the first use that reads the two tables.
void BM_LoadNavData(benchmark::State& state) {
    NavDatabase db;
    for (auto _ : state) {
        benchmark::DoNotOptimize(db.LoadNavData(g_navFile).ok());
        benchmark::DoNotOptimize(db.AirportIndex().size());
    }
    state.counters["airports"] = db.AirportCount();
}
BENCHMARK(BM_LoadNavData)->Unit(benchmark::kMillisecond);

void BM_GetAirportSummary(benchmark::State& state) {
    NavDatabase& db = LoadedDatabase();
    const QStringList idents = RandomIdents(4096);
    qsizetype i = 0;
    AirportRecord record;
    QString name;
    for (auto _ : state) {
        if (!db.GetAirportSummary(idents[i++ % idents.size()], &record, &name))
            state.SkipWithError("an existing airport was not found");
    }
}
BENCHMARK(BM_GetAirportSummary)->Unit(benchmark::kMicrosecond);

void BM_SelectAirport(benchmark::State& state) {
    NavDatabase& db = LoadedDatabase();
    const QStringList idents = RandomIdents(4096);
    qsizetype i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(db.SelectAirport(idents[i++ % idents.size()]));
}
BENCHMARK(BM_SelectAirport)->Unit(benchmark::kMicrosecond);

void BM_SearchAirports(benchmark::State& state, const char* text) {
    NavDatabase& db = LoadedDatabase();
    qsizetype rows = 0;
    for (auto _ : state)
        rows = db.SearchAirports(QString::fromLatin1(text)).size();
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK_CAPTURE(BM_SearchAirports, common, "RIVER")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchAirports, rare, "KINGSFORD SMITH")->Unit(benchmark::kMillisecond);

// A look-up as the airport view makes it: through a database whose recent list lives in the
// program's real settings store (an INI file in a temporary folder, written behind).
void BM_SelectAirportWithSettings(benchmark::State& state) {
    QTemporaryDir folder;
    IniSettingsStore settings(QDir(folder.path()).filePath(QStringLiteral("Trevallion.ini")));
    NavDatabase db(&settings);
    if (!db.LoadNavData(g_navFile))
        state.SkipWithError("the world file does not load");
    const QStringList idents = RandomIdents(4096);
    qsizetype i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(db.SelectAirport(idents[i++ % idents.size()]));
}
BENCHMARK(BM_SelectAirportWithSettings)->Unit(benchmark::kMicrosecond);

// A search as the list shows it: the matches found and the rows of the first screen formatted
// (the list model formats the others only when they are scrolled into view).
void BM_SearchFirstScreen(benchmark::State& state, const char* text) {
    NavDatabase& db = LoadedDatabase();
    db.FindAirports(QString()); // the index is built once, at the first search
    constexpr int kRowsOnScreen = 16;
    size_t rows = 0;
    for (auto _ : state) {
        const std::vector<int> found = db.FindAirports(QString::fromLatin1(text));
        for (size_t row = 0; row < found.size() && row < kRowsOnScreen; ++row)
            benchmark::DoNotOptimize(db.AirportRow(found[row]));
        rows = found.size();
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["index_bytes"] = static_cast<double>(db.SearchIndexBytes());
}
BENCHMARK_CAPTURE(BM_SearchFirstScreen, broadest, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchFirstScreen, broad, "A")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchFirstScreen, typical, "RIVER")->Unit(benchmark::kMillisecond);

void BM_BuildSearchIndex(benchmark::State& state) {
    for (auto _ : state) {
        NavDatabase db;
        if (!db.LoadNavData(g_navFile))
            state.SkipWithError("the world file does not load");
        benchmark::DoNotOptimize(db.FindAirports(QStringLiteral("RIVER")).size());
    }
}
BENCHMARK(BM_BuildSearchIndex)->Unit(benchmark::kMillisecond);

void BM_SearchNavAids(benchmark::State& state) {
    NavDatabase& db = LoadedDatabase();
    for (auto _ : state)
        benchmark::DoNotOptimize(db.SearchNavAids(QStringLiteral("RIVER")).size());
}
BENCHMARK(BM_SearchNavAids)->Unit(benchmark::kMillisecond);

// The first nearest-airport look-up after a load reads every airport's position.
void BM_BuildPositionIndex(benchmark::State& state) {
    for (auto _ : state) {
        NavDatabase db;
        if (!db.LoadNavData(g_navFile))
            state.SkipWithError("the world file does not load");
        benchmark::DoNotOptimize(db.NearestAirport(47.45, 122.31, 5.0));
    }
}
BENCHMARK(BM_BuildPositionIndex)->Unit(benchmark::kMillisecond);

// Look-ups at random places, most of them far from any airport (the worst case scans a band).
void BM_NearestAirport(benchmark::State& state) {
    NavDatabase& db = LoadedDatabase();
    db.NearestAirport(0.0, 0.0, 5.0);
    QRandomGenerator random(7);
    size_t found = 0;
    for (auto _ : state) {
        const double latitude = random.bounded(140.0) - 70.0;
        const double longitude = random.bounded(360.0) - 180.0;
        found += db.NearestAirport(latitude, longitude, 5.0).has_value() ? 1 : 0;
    }
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_NearestAirport)->Unit(benchmark::kMicrosecond);

QString DefaultSource(const char* argv0) {
    const QString fromEnvironment = qEnvironmentVariable("TREVALLION_OURAIRPORTS");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    // build/<dir>/bench/ -> the folder beside the repository
    const QDir dir = QFileInfo(QString::fromLocal8Bit(argv0)).absoluteDir();
    return QDir::cleanPath(dir.filePath(QStringLiteral("../../../../shared/data/ourairports")));
}

} // namespace

int main(int argc, char** argv) {
    QString source = DefaultSource(argv[0]);
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QLatin1String("--ourairports=")))
            source = arg.section('=', 1);
        else if (arg.startsWith(QLatin1String("--nav=")))
            g_navFile = arg.section('=', 1);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    QTemporaryDir temp;
    if (g_navFile.isEmpty()) {
        g_navFile = QDir(temp.path()).filePath(QStringLiteral("world.nav"));
        if (!BuildWorldFile(source, g_navFile)) {
            std::fprintf(stderr, "No OurAirports data in %s (use --ourairports=DIR)\n",
                         qPrintable(source));
            return 1;
        }
    }
    ReportMemory();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
