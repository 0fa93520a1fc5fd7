#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "local/local_files.h"
#include "state/state_tax_settings.h"

using namespace orvane;

namespace {

// Every field set to a value of its own: n counts up over the fields, and each float carries a
// fraction that only its shortest text brings back.
struct Distinct {
    int n = 0;
    float single() { return static_cast<float>(++n) * 1.37f - 0.013f; }
    std::int16_t int16() { return static_cast<std::int16_t>(++n % 2 ? n : -n); }
    template <size_t N>
    void column(std::array<float, N>& c) {
        for (float& v : c) v = single();
    }
};

// The state file: its record fields and the five profile fields.
StateTaxSettings stateRecord(Distinct& d) {
    StateTaxSettings s;
    for (auto* c : {&s.txtStateMinBS, &s.txtStateAmtBS, &s.txtStatePerBS, &s.txtStateMinBM, &s.txtStateAmtBM,
                    &s.txtStatePerBM, &s.txtStateSgExp, &s.txtStateMarExp})
        d.column(*c);
    for (float* f : {&s.txtSDIpercent, &s.txtSUIpercent, &s.txtSDIwageBase, &s.txtSUIwageBase, &s.txtStateAdj})
        *f = d.single();
    for (std::int16_t* i : {&s.ckNoStateTax, &s.ckSDI, &s.ckSUI, &s.ckAlabama, &s.ckAriz, &s.ckLouis, &s.ckIowa,
                            &s.ckMass, &s.ckOregon, &s.ckKentucky, &s.ckMissouri})
        *i = d.int16();
    return s;
}

// What .and keeps for the state window: never the state file's.
void andFileFields(StateTaxSettings& s, Distinct& d) {
    for (std::int16_t* i : {&s.ckSpouse, &s.ckRoundOff, &s.ckIdaho, &s.ckWiscon, &s.ckNC}) *i = d.int16();
    s.txtCalAllow = d.single();
}

void stateFileProfileFields(EmployeeProfile& p, Distinct& d) {
    p.cboDepend2 = d.int16();
    p.cboStatus2 = "Married " + std::to_string(d.n);
    p.ckFedExemp = d.int16();
    p.txtFedAddL = d.single();
    p.ckSSMediExemp = d.int16();
}

}  // namespace

TEST(SettingsFiles, EveryFieldComesBack) {
    const struct {
        const char* file;
        std::function<void()> check;
    } cases[] = {
        {".sta",
         [] {
             Distinct d;
             StateTaxSettings written = stateRecord(d);
             andFileFields(written, d);
             EmployeeProfile profile;
             stateFileProfileFields(profile, d);
             profile.txtHourRate = 12.5f;  // not the state file's

             StateTaxSettings read;
             andFileFields(read, d);  // other values: .and keeps its own
             const StateTaxSettings before = read;
             EmployeeProfile readProfile;
             readProfile.txtHourRate = 9;
             const auto bytes = writeStateFile(written, profile);
             ASSERT_TRUE(bytes);
             ASSERT_TRUE(readStateFile(*bytes, read, readProfile));

             StateTaxSettings expected = written;
             expected.ckSpouse = before.ckSpouse;
             expected.ckRoundOff = before.ckRoundOff;
             expected.ckIdaho = before.ckIdaho;
             expected.ckWiscon = before.ckWiscon;
             expected.ckNC = before.ckNC;
             expected.txtCalAllow = before.txtCalAllow;
             ASSERT_NE(written.ckNC, before.ckNC);
             EXPECT_EQ(read, expected);
             EmployeeProfile expectedProfile = profile;
             expectedProfile.txtHourRate = 9;
             EXPECT_EQ(readProfile, expectedProfile);
         }},
        {".cti",
         [] {
             Distinct d;
             CityTaxSettings written;
             for (auto* c : {&written.txtCityMinBS, &written.txtCityAmtBS, &written.txtCityPerBS,
                             &written.txtCityMinBM, &written.txtCityAmtBM, &written.txtCityPerBM,
                             &written.txtCitySgExp, &written.txtCityMarExp})
                 d.column(*c);
             written.ckNoLocalTax = d.int16();
             EXPECT_EQ(parseCityFile(cityFileBytes(written)), written);
         }},
        {".nci",
         [] {
             Distinct d;
             NonCityTaxSettings written;
             for (auto* c : {&written.txtNonMinBi, &written.txtNonExpBi, &written.txtNonMinWk, &written.txtNonExpWk})
                 d.column(*c);
             written.txtNonPer = d.single();
             EXPECT_EQ(parseNonCityFile(nonCityFileBytes(written)), written);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        c.check();
    }
}
