// The pure calculation of one pay period and the whole calculate button, files included.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "app/session.h"
#include "core/calculation.h"
#include "core/federal_tables.h"
#include "core/file_io.h"

namespace {

using namespace orvane;

class QuietPerson : public Person {
public:
    int messages = 0;
    Answer ask(const Message&) override {
        ++messages;
        return Answer::Ok;
    }
    std::optional<std::string> prompt(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> chooseFileToOpen(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool choosePrinter() override { return false; }
};

class FixedClock : public Clock {
public:
    Date today() const override { return {2007, 1, 5}; }
};

// A working folder with the shipped Federal.dtt, removed afterwards.
struct WorkFolder {
    WorkFolder() {
        std::random_device rd;
        path = std::filesystem::temp_directory_path() / ("orvane-bench-" + std::to_string(rd()));
        std::filesystem::create_directories(path);
        std::filesystem::copy_file(std::filesystem::path(ORVANE_DATA) / "Federal.dtt", path / "Federal.dtt");
    }
    ~WorkFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::filesystem::path path;
};

// A weekly single employee with a K plan, a cafeteria amount and deductions; a week with
// straight time, overtime, a holiday and tips.
PayInputs typicalWeek() {
    PayInputs in;
    in.federal = parseFederalTables(*readWholeFile(std::filesystem::path(ORVANE_DATA) / "Federal.dtt"));
    in.profile.txtHourRate = 18.25f;
    in.profile.txtTipsRate = 2.0f;
    in.profile.cboDepend = "1";
    in.profile.txtKplan = 4;
    in.profile.txtCafe = 20;
    in.profile.txtPension = 2;
    in.profile.txtMuni = 15;
    in.profile.txtDues = 7.5f;
    in.entry.StrHrs = 40;
    in.entry.OtHrs = 6;
    in.entry.Avas = 8;
    in.entry.TipsHrs = 5;
    in.ytd.YtdGross = Currency::fromDouble(23456.78);
    in.state.sdi = {1.0f, 7000.0f, true};
    in.state.sui = {0.0f, 3.5f, false};
    return in;
}

void BM_CalculatePay(benchmark::State& state) {
    const PayInputs in = typicalWeek();
    for (auto _ : state) {
        PayResult r = calculatePay(in);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CalculatePay);

// cmdCal_Click in a temporary folder: entries checked, Federal.dtt read and parsed, the
// calculation, the labels, the zero entries cleared, the save step.
void BM_CalculateButton(benchmark::State& state) {
    WorkFolder folder;
    QuietPerson person;
    FixedClock clock;
    Session session(person, clock, folder.path);
    session.startUp();
    session.profile.txtHourRate = 18.25f;
    session.profile.txtKplan = 4;
    session.profile.txtCafe = 20;
    Form1& form = session.form1();
    for (auto _ : state) {
        form.txtAmount[0].text = "40";
        form.txtAmount[3].text = "6";
        form.txtAmount[4].text = "8";
        bool calculated = session.cmdCal_Click();
        benchmark::DoNotOptimize(calculated);
    }
    if (person.messages != 0) state.SkipWithError("the calculation raised a message");
}
BENCHMARK(BM_CalculateButton);

// One user file written whole through a temporary file and a rename: what the save at the end of
// a calculation costs per file of the user's set.
void BM_WriteFileAtomically(benchmark::State& state) {
    WorkFolder folder;
    const std::string bytes(static_cast<size_t>(state.range(0)), 'x');
    const auto path = folder.path / "Bench.use";
    for (auto _ : state) {
        auto failure = writeFileAtomically(path, bytes);
        if (failure) state.SkipWithError(failure->c_str());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_WriteFileAtomically)->Arg(1024);

}  // namespace
