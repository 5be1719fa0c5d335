// bench-chirp-import: what the user waits for when a CHIRP list of 2000 lines is imported: the
// file read and every line mapped with its notes (what the preview shows), then the first 1700
// carried lines placed into the document as one undo step. Medians over several runs.
//
//   bench-chirp-import [runs]     (default 7)

#include "files/chirp_csv_import.h"
#include "session/session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace r36;

namespace {

/// 2000 lines of the current layout, every tone mode and a few lines with notes among them.
std::string chirpList() {
    static const char* tones[] = {
        ",88.5,88.5,023,NN,023,Tone->Tone", "TSQL,100.0,100.0,023,NN,023,Tone->Tone",
        "DTCS,88.5,88.5,023,NN,071,Tone->Tone", "Cross,88.5,88.5,023,NN,071,Tone->DTCS"};
    std::string text = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                       "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                       "RPT1CALL,RPT2CALL,DVCODE\r\n";
    for (int k = 0; k < 2000; ++k) {
        char line[256];
        std::snprintf(line, sizeof line,
                      "%d,\"Chan %d\",%d.%06d,%s,0.600000,%s,%s,%s,S,5W,,,,,\r\n", k, k,
                      140 + k / 100, (k % 80) * 12'500, k % 3 ? "-" : "", tones[k % 4],
                      k % 50 ? "FM" : "USB", k % 7 ? "12.50" : "7.50");
        text += line;
    }
    return text;
}

double medianOf(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

double millisecondsOf(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QTemporaryDir dir;
    const QString path = dir.filePath("list.csv");
    QFile file(path);
    const std::string list = chirpList();
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(list.data(), static_cast<qint64>(list.size())) < 0)
        return 1;
    file.close();

    std::vector<double> reads, places;
    std::size_t carried = 0;
    for (int run = 0; run < runs; ++run) {
        session::Session session({});
        QElapsedTimer timer;
        timer.start();
        const files::ChirpImport imported = files::importChirpCsv(path);
        std::vector<std::string> records = files::recordsInLocationOrder(imported);
        reads.push_back(millisecondsOf(timer));
        carried = records.size();
        records.resize(std::min<std::size_t>(records.size(), 1700));
        timer.restart();
        if (!session.setMemories(0, records, QStringLiteral("Import CHIRP CSV")))
            return 1;
        places.push_back(millisecondsOf(timer));
    }
    std::printf("CHIRP import of 2000 lines (%zu carried): read and mapped with notes %.1f ms, "
                "1700 placed as one undo step %.1f ms, together %.1f ms (target < 300 ms); "
                "median of %d runs\n",
                carried, medianOf(reads), medianOf(places), medianOf(reads) + medianOf(places),
                runs);
    return 0;
}
