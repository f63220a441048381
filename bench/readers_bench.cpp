// Every reader on one real page of its service: pages per second.
#include "benchdata.h"

#include "ema/opendatareader.h"
#include "session/sessionstate.h"
#include "sounding/forecastsounding.h"
#include "sounding/observedsounding.h"
#include "sources/awcmetaranswer.h"
#include "sources/iemasosanswer.h"
#include "sources/wyomingcsv.h"
#include "surface/banyeresfile.h"
#include "surface/currentconditionspage.h"
#include "surface/latestreport.h"
#include "text/streamreader.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace brisalta::bench {
namespace {

using text::StreamReader;

// Runs `read` once per iteration on the bytes of `file`, counting pages.
template <typename Read>
void readPages(benchmark::State& state, const std::filesystem::path& file, Read read) {
    const std::string bytes = readBytes(file);
    for (auto _ : state) {
        auto result = read(bytes);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

std::filesystem::path demo(const char* path) { return demoData() / path; }

void Reader_CurrentConditionsPage(benchmark::State& state) {
    readPages(state, demo("tgftp.nws.noaa.gov/weather/current/LEAL.html"), [](const std::string& bytes) {
        StreamReader page(bytes, StreamReader::Mode::Binary);
        return readCurrentConditionsPage(page, GraphSeries{}, "LEAL", 1);
    });
}
BENCHMARK(Reader_CurrentConditionsPage);

void Reader_QueryPage(benchmark::State& state) {
    readPages(state,
              demo("aviationweather.gov/adds/metars@station_ids=LEAL_std_trans=standard_chk_metars=on_"
                   "hoursStr=most+recent+only_submitmet=Submit"),
              [](const std::string& bytes) {
                  StreamReader page(bytes, StreamReader::Mode::Binary);
                  GraphSeries graph;
                  startLatestReport(graph);
                  return readQueryPage(page, std::move(graph), 1);
              });
}
BENCHMARK(Reader_QueryPage);

void Reader_StationFile(benchmark::State& state) {
    readPages(state, demo("tgftp.nws.noaa.gov/data/observations/metar/stations/LEAL.TXT"),
              [](const std::string& bytes) {
                  StreamReader file(bytes, StreamReader::Mode::Text);
                  return readStationFile(file, GraphSeries{});
              });
}
BENCHMARK(Reader_StationFile);

void Reader_Banyeres(benchmark::State& state) {
    readPages(state, demo("drive.google.com/file/d/ID_DEL_FICHERO_DE_BANYERES"), [](const std::string& bytes) {
        StreamReader file(bytes, StreamReader::Mode::Binary);
        return readBanyeresFile(file, GraphSeries{});
    });
}
BENCHMARK(Reader_Banyeres);

void Reader_TextListSounding(benchmark::State& state) {
    readPages(state,
              demo("weather.uwyo.edu/cgi-bin/sounding@region=europe_TYPE=TEXT_LIST_YEAR=__MONTH=__FROM=__"
                   "TO=__STNM=08579"),
              [](const std::string& bytes) {
                  StreamReader page(bytes, StreamReader::Mode::Text);
                  return readTextListSounding(page);
              });
}
BENCHMARK(Reader_TextListSounding);

void Reader_SecondServiceSounding(benchmark::State& state) {
    readPages(state, testData() / "sounding" / "second_service_murcia.html", [](const std::string& bytes) {
        StreamReader page(bytes, StreamReader::Mode::Text);
        return readSecondServiceSounding(page);
    });
}
BENCHMARK(Reader_SecondServiceSounding);

void Reader_ForecastListing(benchmark::State& state) {
    readPages(state, demo("previsiones/madrid-barajas-gdas.txt"), [](const std::string& bytes) {
        StreamReader listing(bytes, StreamReader::Mode::Text);
        return parseForecastListing(listing);
    });
}
BENCHMARK(Reader_ForecastListing);

// The OpenData readers take a file, as the program hands them its download.
void Reader_OpenDataRecords(benchmark::State& state) {
    const std::filesystem::path file = testData() / "ema" / "datos_8019.json";
    const std::size_t size = readBytes(file).size();
    for (auto _ : state) {
        SessionState session;
        benchmark::DoNotOptimize(ReadOpenDataRecords(session, file, false, "ALICANTE"));
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(Reader_OpenDataRecords);

void Reader_OpenDataIndex(benchmark::State& state) {
    const std::filesystem::path file = testData() / "ema" / "indice_8019.json";
    const std::size_t size = readBytes(file).size();
    for (auto _ : state) {
        SessionState session;
        benchmark::DoNotOptimize(ReadOpenDataAnswer(session, file, false));
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(Reader_OpenDataIndex);

void Reader_AwcMetarAnswer(benchmark::State& state) {
    readPages(state, testData() / "sources" / "awc_lemd_2025.json",
              [](const std::string& bytes) { return sources::readAwcMetarAnswer(bytes); });
}
BENCHMARK(Reader_AwcMetarAnswer);

void Reader_IemAsosAnswer(benchmark::State& state) {
    readPages(state, testData() / "sources" / "iem_lemd_onlycomma.csv",
              [](const std::string& bytes) { return sources::readIemAsosAnswer(bytes); });
}
BENCHMARK(Reader_IemAsosAnswer);

void Reader_WyomingCsv(benchmark::State& state) {
    readPages(state, testData() / "samples" / "today" / "uwyo_new" / "siphon_2026" / "wyoming_sounding.body.csv",
              [](const std::string& bytes) { return sources::readWyomingCsv(bytes); });
}
BENCHMARK(Reader_WyomingCsv);

} // namespace
} // namespace brisalta::bench
