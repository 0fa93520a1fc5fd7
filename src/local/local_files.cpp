#include "local/local_files.h"

#include "core/file_io.h"
#include "core/record_text_format.h"

namespace orvane {

std::string cityFileBytes(const CityTaxSettings& s) {
    RecordWriter w;
    writeBracketTables(w, s, kCityTables);
    return w.bytes();
}

std::optional<CityTaxSettings> parseCityFile(std::string_view bytes) {
    RecordReader r(bytes);
    CityTaxSettings s;
    readBracketTables(r, s, kCityTables);
    if (!r.readWhole()) return std::nullopt;
    return s;
}

std::string nonCityFileBytes(const NonCityTaxSettings& s) {
    RecordWriter w;
    for (int i = 0; i < 8; ++i) {
        for (auto column : kNonCityLineColumns) w.single((s.*column)[i]);
        w.endRecord();
    }
    w.single(s.txtNonPer);
    w.endRecord();
    return w.bytes();
}

std::optional<NonCityTaxSettings> parseNonCityFile(std::string_view bytes) {
    RecordReader r(bytes);
    NonCityTaxSettings s;
    for (int i = 0; i < 8; ++i)
        for (auto column : kNonCityLineColumns) (s.*column)[i] = r.single();
    s.txtNonPer = r.single();
    if (!r.readWhole()) return std::nullopt;
    return s;
}


ReadOutcome readCityFile(const std::filesystem::path& file, CityTaxSettings& into) {
    return readRecordFile(file, into, parseCityFile);
}

ReadOutcome readNonCityFile(const std::filesystem::path& file, NonCityTaxSettings& into) {
    return readRecordFile(file, into, parseNonCityFile);
}

WriteFailure writeCityFile(const std::filesystem::path& file, const CityTaxSettings& settings) {
    return writeFileAtomically(file, cityFileBytes(settings));
}

WriteFailure writeNonCityFile(const std::filesystem::path& file, const NonCityTaxSettings& settings) {
    return writeFileAtomically(file, nonCityFileBytes(settings));
}

}  // namespace orvane
