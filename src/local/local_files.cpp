#include "local/local_files.h"

#include "core/file_io.h"
#include "core/record_text_format.h"

namespace orvane {

std::string cityFileBytes(const CityTaxSettings& s) {
    RecordWriter w;
    for (int i = 0; i < 10; ++i) {
        w.single(s.txtCityMinBS[i]).single(s.txtCityAmtBS[i]).single(s.txtCityPerBS[i]);
        w.single(s.txtCityMinBM[i]).single(s.txtCityAmtBM[i]).single(s.txtCityPerBM[i]);
        w.endRecord();
    }
    w.int16(s.ckNoLocalTax);
    w.endRecord();
    for (int k = 0; k < 10; ++k) {
        w.single(s.txtCitySgExp[k]).single(s.txtCityMarExp[k]);
        w.endRecord();
    }
    return w.bytes();
}

std::optional<CityTaxSettings> parseCityFile(std::string_view bytes) {
    RecordReader r(bytes);
    CityTaxSettings s;
    for (int i = 0; i < 10; ++i) {
        s.txtCityMinBS[i] = r.single();
        s.txtCityAmtBS[i] = r.single();
        s.txtCityPerBS[i] = r.single();
        s.txtCityMinBM[i] = r.single();
        s.txtCityAmtBM[i] = r.single();
        s.txtCityPerBM[i] = r.single();
    }
    s.ckNoLocalTax = r.int16();
    for (int k = 0; k < 10; ++k) {
        s.txtCitySgExp[k] = r.single();
        s.txtCityMarExp[k] = r.single();
    }
    if (!r.ok()) return std::nullopt;
    return s;
}

std::string nonCityFileBytes(const NonCityTaxSettings& s) {
    RecordWriter w;
    for (int i = 0; i < 8; ++i) {
        w.single(s.txtNonMinBi[i]).single(s.txtNonExpBi[i]).single(s.txtNonMinWk[i]).single(s.txtNonExpWk[i]);
        w.endRecord();
    }
    w.single(s.txtNonPer);
    w.endRecord();
    return w.bytes();
}

std::optional<NonCityTaxSettings> parseNonCityFile(std::string_view bytes) {
    RecordReader r(bytes);
    NonCityTaxSettings s;
    for (int i = 0; i < 8; ++i) {
        s.txtNonMinBi[i] = r.single();
        s.txtNonExpBi[i] = r.single();
        s.txtNonMinWk[i] = r.single();
        s.txtNonExpWk[i] = r.single();
    }
    s.txtNonPer = r.single();
    if (!r.ok()) return std::nullopt;
    return s;
}


ReadOutcome readCityFile(const std::filesystem::path& file, CityTaxSettings& into) {
    return readRecordFile(file, into, parseCityFile);
}

ReadOutcome readNonCityFile(const std::filesystem::path& file, NonCityTaxSettings& into) {
    return readRecordFile(file, into, parseNonCityFile);
}

namespace {

bool writeSettings(const std::filesystem::path& file, const std::string& bytes, std::string* failure) {
    auto written = writeFileAtomically(file, bytes);
    if (written && failure) *failure = *written;
    return !written;
}

}  // namespace

bool writeCityFile(const std::filesystem::path& file, const CityTaxSettings& settings, std::string* failure) {
    return writeSettings(file, cityFileBytes(settings), failure);
}

bool writeNonCityFile(const std::filesystem::path& file, const NonCityTaxSettings& settings, std::string* failure) {
    return writeSettings(file, nonCityFileBytes(settings), failure);
}


}  // namespace orvane
