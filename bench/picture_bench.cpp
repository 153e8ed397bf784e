// The chart picture that Save As JPEG writes: the whole display of the sample birth drawn at its
// designed 1000 × 543 pixels, then encoded as a JPEG of the highest quality.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QTemporaryDir>

#include "files/chart_picture.h"
#include "reading/driver.h"
#include "reading/sample_birth.h"
#include "ui/chart/chart_display_content.h"
#include "ui/chart_display.h"

namespace {

ui::ChartDisplayContent SampleContent() {
    const reading::BirthData birth = reading::SampleBirth();
    return ui::FillDisplay(birth, reading::CalculateReading(birth),
                           ui::MonthNameForUser(birth.month));
}

QByteArray Jpeg(const QImage& picture, benchmark::State& state) {
    QString error;
    std::optional<QByteArray> jpeg = files::EncodeJpeg(picture, &error);
    if (!jpeg) {
        state.SkipWithError(error.toStdString().c_str());
        return {};
    }
    return *std::move(jpeg);
}

// A display's first picture: each new display draws its own.
void BM_Picture_Draw(benchmark::State& state) {
    const ui::ChartDisplayContent content = SampleContent();
    for (auto _ : state) {
        const ui::ChartDisplay display(content);
        benchmark::DoNotOptimize(display.picture());
    }
}
BENCHMARK(BM_Picture_Draw)->Unit(benchmark::kMicrosecond);

void BM_Picture_EncodeJpeg(benchmark::State& state) {
    const QImage picture = ui::ChartDisplay(SampleContent()).picture();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Jpeg(picture, state));
    }
    state.counters["bytes"] = static_cast<double>(Jpeg(picture, state).size());
}
BENCHMARK(BM_Picture_EncodeJpeg)->Unit(benchmark::kMicrosecond);

// Drawn and encoded, as Save As JPEG does for a window that has no picture yet.
void BM_Picture_DrawAndEncode(benchmark::State& state) {
    const ui::ChartDisplayContent content = SampleContent();
    for (auto _ : state) {
        const ui::ChartDisplay display(content);
        benchmark::DoNotOptimize(Jpeg(display.picture(), state));
    }
}
BENCHMARK(BM_Picture_DrawAndEncode)->Unit(benchmark::kMicrosecond);

// The same written to a file in a temporary folder, replacing the last one.
void BM_Picture_DrawAndSaveFile(benchmark::State& state) {
    const ui::ChartDisplayContent content = SampleContent();
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("chart.jpg"));
    for (auto _ : state) {
        const ui::ChartDisplay display(content);
        if (const auto problem = files::SaveJpeg(display.picture(), path)) {
            state.SkipWithError(problem->text.toStdString().c_str());
            break;
        }
    }
}
BENCHMARK(BM_Picture_DrawAndSaveFile)->Unit(benchmark::kMicrosecond);

// One display asked again and again, as the window asks at each activation and Save As JPEG
// then encodes.
void BM_Picture_AskedAgainAndEncoded(benchmark::State& state) {
    const ui::ChartDisplay display(SampleContent());
    for (auto _ : state) {
        benchmark::DoNotOptimize(Jpeg(display.picture(), state));
    }
}
BENCHMARK(BM_Picture_AskedAgainAndEncoded)->Unit(benchmark::kMicrosecond);

}  // namespace
