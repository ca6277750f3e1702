// Speed of the program's own work, each beside a floor measured in the same
// run: bench/run turns the pairs into ratios.

#include "numbers/NumberFormat.h"
#include "tuning/CircleOfFifths.h"
#include "tuning/IntervalCents.h"
#include "tuning/LineFile.h"
#include "tuning/TemperamentFiles.h"
#include "tuning/TemperamentXml.h"
#include "ui/widgets/NumEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace cordavo;

namespace {

TemperamentData sampleData()
{
    TemperamentData data;
    data.name = QStringLiteral("Werckmeister III");
    data.shortName = QStringLiteral("W3");
    data.supplierName = QStringLiteral("Acme");
    data.supplierId = 7;
    data.temperamentId = 512;
    const long double cents[12] = {11.73L, 1.96L, 3.91L, 5.87L, 1.96L, 9.78L, 0, 7.82L, 3.91L, 0, 7.82L, 3.91L};
    std::copy(std::begin(cents), std::end(cents), data.cents.begin());
    return data;
}

// The whole document: pitches, numbers, lines.
void GenerateDocument(benchmark::State &state)
{
    const TemperamentData data = sampleData();
    for (auto _ : state)
        benchmark::DoNotOptimize(temperamentXml(data));
}
BENCHMARK(GenerateDocument);

// Floor: formatting the document's numbers and nothing else.
void GenerateDocumentFloor(benchmark::State &state)
{
    std::array<long double, kMidiNoteCount> pitches{};
    for (int n = 0; n < kMidiNoteCount; ++n)
        pitches[n] = 440 * std::exp2((n - 69) / 12.0L);
    for (auto _ : state) {
        QString all;
        all += formatGeneral(512, QLatin1Char('.'));
        all += formatGeneral(7, QLatin1Char('.'));
        for (int n = 0; n < kMidiNoteCount; ++n) {
            all += formatGeneral(n, QLatin1Char('.'));
            all += formatGeneral(pitches[n], QLatin1Char('.'));
        }
        benchmark::DoNotOptimize(all);
    }
}
BENCHMARK(GenerateDocumentFloor);

void press(QWidget &widget, Qt::Key key, const QString &text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&widget, &up);
}

// A digit typed into a note field and taken back: filter, change rule, rewrite.
template <typename Field> void typeAndErase(benchmark::State &state, Field &field)
{
    field.setText(QStringLiteral("1234"));
    field.setCursorPosition(4);
    for (auto _ : state) {
        press(field, Qt::Key_5, QStringLiteral("5"));
        press(field, Qt::Key_Backspace, QString(QChar(8)));
    }
}

void NumEditKeystroke(benchmark::State &state)
{
    TNumEdit field(Separators{QLatin1Char(','), QLatin1Char('.')});
    field.setDisplayFormat(QStringLiteral("#,###.##"));
    typeAndErase(state, field);
}
BENCHMARK(NumEditKeystroke);

// Floor: the same keys into a plain line edit.
void NumEditKeystrokeFloor(benchmark::State &state)
{
    QLineEdit field;
    typeAndErase(state, field);
}
BENCHMARK(NumEditKeystrokeFloor);

void CircleOfFifths(benchmark::State &state)
{
    const FifthChoices items{3, 3, 3, 0, 0, 3, 0, 0, 0, 0, 0, 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(calculateCircle(items, Comma::Syntonic, 2, QLatin1Char(',')));
}
BENCHMARK(CircleOfFifths);

void IntervalCentsOfTwelve(benchmark::State &state)
{
    const IntervalTerms terms = equalTemperamentFractions();
    for (auto _ : state) {
        QStringList lines;
        for (int i = 0; i < 12; ++i)
            lines << roundedCentsText(terms.first[i] / terms.second[i], 2, QLatin1Char(','));
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(IntervalCentsOfTwelve);

// The four kinds of data file, each read whole from disk and saved atomically.
struct DataFile {
    const char *name;
    QStringView layout;
    QStringList lines;
};

std::vector<DataFile> dataFiles()
{
    SupplierRecord supplier{QStringLiteral("Acme"), 7,        512, QStringLiteral("Werckmeister III"),
                            QStringLiteral("W3"),   QString()};
    TemperamentRecord temperament{QStringLiteral("Werckmeister III"), QStringLiteral("W3"), QString(),
                                  sampleData().cents};
    CentsRecord cents{{}, QStringLiteral("Equal")};
    for (int i = 0; i < 12; ++i)
        cents.positions[i] = 100 * i + 0.25L;
    IntervalRecord intervals{equalTemperamentFractions(), QStringLiteral("Equal")};
    return {{"For", kSupplierLayout, supplierFileLines(supplier, QLatin1Char(','))},
            {"Tmp", kTemperamentLayout, temperamentFileLines(temperament, QLatin1Char(','))},
            {"Cts", kCentsLayout, centsFileLines(cents, QLatin1Char(','))},
            {"Tfs", kIntervalLayout, intervalFileLines(intervals, QLatin1Char(','))}};
}

void ReadDataFile(benchmark::State &state)
{
    const DataFile file = dataFiles()[state.range(0)];
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.") + QLatin1String(file.name));
    saveFileAtomically(path, encodeLineFile(file.lines));
    state.SetLabel(file.name);
    for (auto _ : state)
        benchmark::DoNotOptimize(readLineFile(path, file.layout, QLatin1Char(',')));
}
BENCHMARK(ReadDataFile)->DenseRange(0, 3);

void SaveDataFile(benchmark::State &state)
{
    const DataFile file = dataFiles()[state.range(0)];
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.") + QLatin1String(file.name));
    state.SetLabel(file.name);
    for (auto _ : state)
        benchmark::DoNotOptimize(saveFileAtomically(path, encodeLineFile(file.lines)));
}
BENCHMARK(SaveDataFile)->DenseRange(0, 3);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
