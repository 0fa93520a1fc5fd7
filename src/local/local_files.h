#pragma once
// The city file (.cti) and the non-city file (.nci) of a user, and the messages the settings
// readers and writers show.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/record_file.h"
#include "core/settings_messages.h"
#include "local/city_tax.h"

namespace orvane {

// The bytes of a whole file, and the record read back from them (nothing when they are damaged:
// too short, or an item where a number belongs that is not one).
std::string cityFileBytes(const CityTaxSettings& settings);
std::optional<CityTaxSettings> parseCityFile(std::string_view bytes);
std::string nonCityFileBytes(const NonCityTaxSettings& settings);
std::optional<NonCityTaxSettings> parseNonCityFile(std::string_view bytes);

ReadOutcome readCityFile(const std::filesystem::path& file, CityTaxSettings& into);
ReadOutcome readNonCityFile(const std::filesystem::path& file, NonCityTaxSettings& into);
// Written whole or not at all; on failure the old file is left whole.
WriteFailure writeCityFile(const std::filesystem::path& file, const CityTaxSettings& settings);
WriteFailure writeNonCityFile(const std::filesystem::path& file, const NonCityTaxSettings& settings);


}  // namespace orvane
