// CurlTransport against servers that misbehave (loopback HTTP and FTP servers
// the test starts itself): every transfer ends, within a generous bound, with
// the failure it was and a Spanish sentence, leaving no file behind.
#include "adapters/curl/curltransport.h"

#include "adapters/loopbackserver.h"
#include "support/testplaces.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace brisalta {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Short limits: the real ones (20 s of silence, 60 s a page) are too long to wait for.
CurlTransport::Limits shortLimits() {
    CurlTransport::Limits limits;
    limits.connect = 3000ms;
    limits.slowTime = 2000ms;
    limits.page = 5000ms;
    limits.stationFile = 5000ms;
    return limits;
}

// Far more than any case takes with the limits above: a hang fails the test.
constexpr auto kEndsWithin = 30s;

enum class Via { HttpGet, Download, Ftp };

struct FaultCase {
    const char* name;
    Via via;
    std::string target; // a path of the HTTP fixture, or a file name of the FTP fixture
    TransferFailure failure;
    std::string sentence; // the whole sentence, or its start when `prefixOnly`
    bool prefixOnly = false;
};

class CurlFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(test::dataHttpServer().port(), 0) << "the HTTP fixture server did not start";
        ASSERT_NE(test::dataFtpServer().port(), 0) << "the FTP fixture server did not start";
    }

    TransferResult run(CurlTransport& curl, const FaultCase& c, const fs::path& file) {
        const std::string http = "http://" + test::loopback(test::dataHttpServer().port());
        switch (c.via) {
        case Via::HttpGet:
            return curl.httpGet(http + c.target, {}, [](std::string_view) { return true; });
        case Via::Download:
            return curl.download(c.target.starts_with("https:") ? c.target : http + c.target,
                                 file.string());
        case Via::Ftp:
            return curl.ftpRetrieve(c.target == "silencio"
                                        ? test::loopback(test::dataHttpServer().port())
                                        : test::loopback(test::dataFtpServer().port()),
                                    "/data/observations/metar/stations/", c.target, file.string());
        }
        return {};
    }

    test::ScratchPlaces places;
};

TEST_F(CurlFaultTest, EveryMisbehavingServerEndsWithWhatItWas) {
    const std::string quiet = "El servidor 127.0.0.1 ha dejado de enviar datos o los envía "
                              "demasiado despacio.";
    const std::string tooLarge =
        "La respuesta del servidor 127.0.0.1 es demasiado grande (más de 4 MiB): no se ha leído.";
    const std::string tooLong =
        "La descarga desde 127.0.0.1 no ha terminado en el tiempo máximo de 5 segundos.";
    const FaultCase cases[] = {
        {"silence", Via::HttpGet, "/falla/silencio", TransferFailure::TimedOut,
         "El servidor 127.0.0.1 no contesta."},
        {"trickle", Via::HttpGet, "/falla/goteo", TransferFailure::TimedOut, quiet},
        {"endless headers", Via::Download, "/falla/cabeceras", TransferFailure::TimedOut,
         "El servidor 127.0.0.1 ", true},
        // curl averages the speed over a few seconds, so a stall after a quick
        // start may meet the whole-document limit first: either time-out will do.
        {"stall half-way", Via::Download, "/falla/medias", TransferFailure::TimedOut, "", true},
        {"truncated body", Via::Download, "/falla/cortada", TransferFailure::Connection,
         "Se ha cortado la conexión con el servidor 127.0.0.1 antes de terminar la descarga."},
        {"1 GiB announced", Via::HttpGet, "/falla/gigante", TransferFailure::TooLarge, tooLarge},
        {"endless stream", Via::Download, "/falla/torrente", TransferFailure::TooLarge, tooLarge},
        {"steady but never done", Via::HttpGet, "/falla/lento", TransferFailure::TimedOut, tooLong},
        {"redirect loop", Via::Download, "/falla/bucle", TransferFailure::Connection,
         "El servidor 127.0.0.1 envía la petición de una dirección a otra sin llegar a "
         "contestar."},
        {"TLS to a plain port", Via::Download,
         "https://" + test::loopback(test::dataHttpServer().port()) +
             "/samples/aemet/ha_station-3195.json",
         TransferFailure::Connection,
         "No se ha podido establecer una conexión segura con el servidor 127.0.0.1."},
        {"FTP silence", Via::Ftp, "silencio", TransferFailure::TimedOut,
         "El servidor 127.0.0.1 no contesta."},
        {"FTP trickle", Via::Ftp, "XGOT.TXT", TransferFailure::TimedOut, quiet},
        {"FTP stall half-way", Via::Ftp, "XMED.TXT", TransferFailure::TimedOut, "", true},
        {"FTP 1 GiB", Via::Ftp, "XGRA.TXT", TransferFailure::TooLarge, tooLarge},
        {"FTP steady but never done", Via::Ftp, "XLEN.TXT", TransferFailure::TimedOut, tooLong},
        {"FTP missing file", Via::Ftp, "LEXX.TXT", TransferFailure::NotFound,
         "El servidor 127.0.0.1 no tiene el fichero pedido."},
    };
    CurlTransport curl(shortLimits());
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = places.tempFolder() / "descarga.tmp";
        const auto start = std::chrono::steady_clock::now();
        const TransferResult r = run(curl, c, file);
        EXPECT_LT(std::chrono::steady_clock::now() - start, kEndsWithin);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.failure, c.failure) << r.error;
        if (c.prefixOnly) {
            EXPECT_EQ(r.error.rfind(c.sentence, 0), 0u) << r.error;
        } else {
            EXPECT_EQ(r.error, c.sentence);
        }
        EXPECT_FALSE(fs::exists(file)) << "a failed transfer leaves no file";
    }
}

// Error statuses are answers: the transport hands them over, and the download
// layer decides (see the loopback tests of the layer).
TEST_F(CurlFaultTest, ErrorStatusesComeBackWithTheirBody) {
    CurlTransport curl(shortLimits());
    std::string body;
    const TransferResult r =
        curl.httpGet("http://" + test::loopback(test::dataHttpServer().port()) + "/falla/error500",
                     {}, [&](std::string_view read) {
                         body += read;
                         return true;
                     });
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.status, 500);
    EXPECT_NE(body.find("Error 500"), std::string::npos);
}

// The flag another thread raises (the "Cancelar" button, Ctrl+C) stops a
// transfer that would otherwise wait for its time-out.
TEST_F(CurlFaultTest, RaisingTheCancelFlagStopsATransferAtOnce) {
    CurlTransport::Limits patient = shortLimits();
    patient.slowTime = 60000ms;
    patient.page = 120000ms;
    patient.stationFile = 120000ms;
    CurlTransport curl(patient);
    std::atomic<bool> cancel{false};
    curl.setCancelFlag(&cancel);
    const fs::path file = places.tempFolder() / "descarga.tmp";
    for (const Via via : {Via::HttpGet, Via::Download, Via::Ftp}) {
        cancel = false;
        std::thread user([&] {
            std::this_thread::sleep_for(300ms);
            cancel = true;
        });
        const auto start = std::chrono::steady_clock::now();
        const FaultCase c{"", via, via == Via::Ftp ? "XGOT.TXT" : "/falla/silencio",
                          TransferFailure::Cancelled, ""};
        const TransferResult r = run(curl, c, file);
        user.join();
        EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
        EXPECT_EQ(r.failure, TransferFailure::Cancelled) << r.error;
        EXPECT_EQ(r.error, "Se ha cancelado la descarga.");
        EXPECT_FALSE(fs::exists(file));
    }
}

TEST(CurlLimits, TestsShortenTheTimeLimitsThroughTheEnvironment) {
    ::setenv("BRISALTA_PLAZOS", "conexion=2,lento=3,pagina=4,fichero=5,otro=9,pagina=x", 1);
    const CurlLimits limits = CurlLimits::fromEnvironment();
    ::unsetenv("BRISALTA_PLAZOS");
    EXPECT_EQ(limits.connect, 2000ms);
    EXPECT_EQ(limits.slowTime, 3000ms);
    EXPECT_EQ(limits.page, 4000ms);
    EXPECT_EQ(limits.stationFile, 5000ms);
    EXPECT_EQ(limits.slowBytesPerSecond, 100);
    EXPECT_EQ(limits.maxBytes, 4u * 1024 * 1024);

    const CurlLimits real = CurlLimits::fromEnvironment();
    EXPECT_EQ(real.connect, 20000ms);
    EXPECT_EQ(real.slowTime, 20000ms);
    EXPECT_EQ(real.page, 60000ms);
    EXPECT_EQ(real.stationFile, 120000ms);
}

} // namespace
} // namespace brisalta
