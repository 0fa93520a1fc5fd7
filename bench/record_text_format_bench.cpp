// The record writer and reader on a file of 211 lines.

#include <benchmark/benchmark.h>

#include <string>

#include "core/record_text_format.h"

namespace {

using namespace orvane;

constexpr int kLines = 211;

// One line: a date text, twelve amounts, a count, a flag and a variant, like a ledger row.
void writeLine(RecordWriter& w, int i) {
    w.text("1/" + std::to_string(1 + i % 28) + "/2007", "date");
    for (int k = 0; k < 12; ++k) w.single(static_cast<float>(i * 13 + k) * 1.37f + 0.05f);
    w.int16(static_cast<std::int16_t>(i));
    w.boolean(i % 2 == 0);
    w.variant(i % 3 == 0 ? Variant{} : Variant::ofNumber(i * 0.25));
    w.endRecord();
}

std::string fileBytes() {
    RecordWriter w;
    for (int i = 0; i < kLines; ++i) writeLine(w, i);
    return w.bytes();
}

void BM_RecordWriter211Lines(benchmark::State& state) {
    size_t size = 0;
    for (auto _ : state) {
        RecordWriter w;
        for (int i = 0; i < kLines; ++i) writeLine(w, i);
        size = w.bytes().size();
        benchmark::DoNotOptimize(w.bytes().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_RecordWriter211Lines);

void BM_RecordReader211Lines(benchmark::State& state) {
    const std::string bytes = fileBytes();
    for (auto _ : state) {
        RecordReader r(bytes);
        double sum = 0;
        for (int i = 0; i < kLines; ++i) {
            std::string date = r.text();
            for (int k = 0; k < 12; ++k) sum += r.single();
            sum += r.int16();
            sum += r.boolean();
            Variant v = r.variant();
            benchmark::DoNotOptimize(date);
            benchmark::DoNotOptimize(v);
        }
        if (!r.ok() || !r.atEnd()) state.SkipWithError("the file did not read back");
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_RecordReader211Lines);

}  // namespace
