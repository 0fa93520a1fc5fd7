#include "state/state_tax_settings.h"

#include "core/file_io.h"
#include "core/record_text_format.h"

namespace orvane {

std::optional<std::string> writeStateFile(const StateTaxSettings& s, const EmployeeProfile& p) {
    RecordWriter w;
    writeBracketTables(w, s, kStateTables);
    w.single(s.txtSDIpercent).single(s.txtSUIpercent).single(s.txtSDIwageBase).single(s.txtSUIwageBase);
    w.single(s.txtStateAdj).int16(s.ckSDI).int16(s.ckSUI).int16(p.ckSSMediExemp).int16(s.ckAlabama);
    w.endRecord();
    w.int16(s.ckAriz).int16(s.ckLouis).int16(s.ckIowa).int16(p.cboDepend2);
    w.text(p.cboStatus2, "state filing status").int16(p.ckFedExemp).single(p.txtFedAddL);
    w.int16(s.ckMass).int16(s.ckOregon).int16(s.ckKentucky).int16(s.ckMissouri);
    w.endRecord();
    if (!w.ok()) return std::nullopt;
    return w.bytes();
}

bool readStateFile(std::string_view bytes, StateTaxSettings& settings, EmployeeProfile& profile) {
    RecordReader r(bytes);
    StateTaxSettings s = settings;  // the .and fields stay as they are
    StateFileProfileFields p;
    readBracketTables(r, s, kStateTables);
    s.txtSDIpercent = r.single();
    s.txtSUIpercent = r.single();
    s.txtSDIwageBase = r.single();
    s.txtSUIwageBase = r.single();
    s.txtStateAdj = r.single();
    s.ckSDI = r.int16();
    s.ckSUI = r.int16();
    p.ckSSMediExemp = r.int16();
    s.ckAlabama = r.int16();
    s.ckAriz = r.int16();
    s.ckLouis = r.int16();
    s.ckIowa = r.int16();
    p.cboDepend2 = r.int16();
    p.cboStatus2 = r.text();
    p.ckFedExemp = r.int16();
    p.txtFedAddL = r.single();
    s.ckMass = r.int16();
    s.ckOregon = r.int16();
    s.ckKentucky = r.int16();
    s.ckMissouri = r.int16();
    if (!r.ok()) return false;
    settings = s;
    profile.ckSSMediExemp = p.ckSSMediExemp;
    profile.cboDepend2 = p.cboDepend2;
    profile.cboStatus2 = p.cboStatus2;
    profile.ckFedExemp = p.ckFedExemp;
    profile.txtFedAddL = p.txtFedAddL;
    return true;
}

std::optional<std::vector<std::string>> saveStateFile(const std::filesystem::path& file,
                                                      const StateTaxSettings& settings,
                                                      const EmployeeProfile& profile) {
    auto bytes = writeStateFile(settings, profile);
    if (!bytes) return failedWriteMessage();
    if (auto failure = writeFileAtomically(file, *bytes)) return failedWriteMessage(*failure);
    return std::nullopt;
}

std::filesystem::path stateFilePath(const std::filesystem::path& folder, const std::string& userName) {
    return folder / (userName + ".sta");
}

}  // namespace orvane
