#include "core/profile_files.h"

#include <charconv>

#include "core/file_io.h"
#include "core/money.h"

namespace orvane {

namespace {

// A single-precision value stored in a double item: its decimal digits, so 0.1f is stored as
// 0.1 and reads back as the same single.
double widen(float value) {
    std::string text = shortestText(value);
    double d = 0;
    std::from_chars(text.data(), text.data() + text.size(), d);
    return d;
}

std::optional<std::string> finish(const RecordWriter& w, std::string* refusal) {
    if (!w.ok()) {
        if (refusal) *refusal = *w.refusal();
        return std::nullopt;
    }
    return w.bytes();
}

}  // namespace

OvertimeBoxes overtimeBoxesFrom(const OvertimeTable& t) {
    return {widen(t.AnnualSalary), widen(t.ApprovedPercent), readNumber(roundedDecimal(t.PresentPercent, 2))};
}

void settleKplanFlags(EmployeeProfile& p) {
    if (p.ckKpPer == 0 && p.ckKpFix == 0) p.ckKpPer = 1;
    else if (p.ckKpPer == 1) p.ckKpFix = 0;
    else if (p.ckKpFix == 1) p.ckKpPer = 0;
}

std::optional<std::string> writeUseFile(const ProfileFiles& f, const OvertimeBoxes& boxes, std::string* refusal) {
    const EmployeeProfile& p = f.profile;
    const OvertimeTable& ot = f.overtime;
    RecordWriter w;
    w.single(ot.OtEarned).number(widen(ot.OtMaxAmount)).number(widen(ot.OtAvailable)).endRecord();
    w.number(boxes.annual).number(boxes.approvedPercent).number(boxes.presentPercent).endRecord();
    w.single(p.txtHourRate).single(p.txtHourRate2).single(p.txtTipsRate).endRecord();
    w.text(p.cboDepend, "Exemptions").text(p.cboStatus, "Status").single(p.txtPension).endRecord();
    w.single(p.txtMuni).single(p.txtBond).single(p.txtMisc).endRecord();
    w.single(p.txtDues).single(p.txtKplan).int16(p.ckNonCity).endRecord();
    w.boolean(p.optWeek).boolean(p.optBiWeek).text(p.txtTax5, "Credit").endRecord();
    w.text(p.txtTax6, "Bond").text(p.txtTax7, "Dues").text(p.txtTax8, "Pension").text(p.txtTax9, "Misc.").endRecord();
    for (int r = 0; r < 4; ++r) {
        for (int i = 0; i < 4; ++i) w.variant(f.useSpares[r * 4 + i], "spare");
        w.endRecord();
    }
    return finish(w, refusal);
}

bool readUseFile(std::string_view bytes, ProfileFiles& files) {
    RecordReader r(bytes);
    ProfileFiles f = files;
    EmployeeProfile& p = f.profile;
    OvertimeTable& ot = f.overtime;
    ot.OtEarned = r.single();
    ot.OtMaxAmount = r.single();
    ot.OtAvailable = r.single();
    ot.AnnualSalary = r.single();
    ot.ApprovedPercent = r.single();
    ot.PresentPercent = r.single();
    p.txtHourRate = r.single();
    p.txtHourRate2 = r.single();
    p.txtTipsRate = r.single();
    p.cboDepend = r.text();
    p.cboStatus = r.text();
    p.txtPension = r.single();
    p.txtMuni = r.single();
    p.txtBond = r.single();
    p.txtMisc = r.single();
    p.txtDues = r.single();
    p.txtKplan = r.single();
    p.ckNonCity = r.int16();
    p.optWeek = r.boolean();
    p.optBiWeek = r.boolean();
    p.txtTax5 = r.text();
    p.txtTax6 = r.text();
    p.txtTax7 = r.text();
    p.txtTax8 = r.text();
    p.txtTax9 = r.text();
    for (auto& spare : f.useSpares) spare = r.variant();
    if (!r.ok()) return false;
    files = std::move(f);
    return true;
}

std::optional<std::string> writeAndFile(const ProfileFiles& f, std::string* refusal) {
    const EmployeeProfile& p = f.profile;
    const AndFileSettings& a = f.andFile;
    RecordWriter w;
    w.single(a.cboHorz).single(a.cboVert).int16(a.ckSpouse).endRecord();
    w.single(a.txtCalAllow).single(a.spareNumbers[0]).single(a.spareNumbers[1]).endRecord();
    w.single(a.spareNumbers[2]).single(a.spareNumbers[3]).single(a.spareNumbers[4]).endRecord();
    w.boolean(a.spareBooleans[0]).boolean(a.spareBooleans[1]).boolean(a.spareBooleans[2]).endRecord();
    w.text(p.txtAddress, "Employee's Address for Check")
        .text(p.txtStateCityZip, "City, State, Zip Code")
        .text(p.txtSSnum, "Social Security Number")
        .endRecord();
    w.text(p.txtName, "Employee's Name").text(a.spareTexts[0], "spare").text(a.spareTexts[1], "spare").endRecord();
    w.int16(a.ckRoundOff).int16(a.ckIdaho).int16(a.ckWiscon).int16(a.ckAlabama).endRecord();
    w.int16(a.ckNC).int16(a.spareIntegers[0]).int16(a.spareIntegers[1]).endRecord();
    w.int16(p.ckKpPer).int16(p.ckKpFix).endRecord();
    return finish(w, refusal);
}

bool readAndFile(std::string_view bytes, ProfileFiles& files) {
    RecordReader r(bytes);
    ProfileFiles f = files;
    EmployeeProfile& p = f.profile;
    AndFileSettings& a = f.andFile;
    a.cboHorz = r.single();
    a.cboVert = r.single();
    a.ckSpouse = r.int16();
    a.txtCalAllow = r.single();
    for (auto& n : a.spareNumbers) n = r.single();
    for (auto& b : a.spareBooleans) b = r.boolean();
    p.txtAddress = r.text();
    p.txtStateCityZip = r.text();
    p.txtSSnum = r.text();
    p.txtName = r.text();
    for (auto& t : a.spareTexts) t = r.text();
    a.ckRoundOff = r.int16();
    a.ckIdaho = r.int16();
    a.ckWiscon = r.int16();
    a.ckAlabama = r.int16();
    a.ckNC = r.int16();
    for (auto& i : a.spareIntegers) i = r.int16();
    p.ckKpPer = r.int16();
    p.ckKpFix = r.int16();
    if (!r.ok()) return false;
    files = std::move(f);
    return true;
}

std::string writeCfeFile(const ProfileFiles& f) {
    RecordWriter w;
    w.single(f.profile.txtCafe).int16(f.profile.ckCafeState).int16(f.profile.ckSelfEmp).endRecord();
    return w.bytes();
}

bool readCfeFile(std::string_view bytes, ProfileFiles& files) {
    RecordReader r(bytes);
    EmployeeProfile p = files.profile;
    p.txtCafe = r.single();
    p.ckCafeState = r.int16();
    p.ckSelfEmp = r.int16();
    if (!r.ok()) return false;
    files.profile = std::move(p);
    return true;
}

std::variant<std::vector<PendingFile>, std::string> profileFilesToWrite(const ProfileFiles& files,
                                                                        const OvertimeBoxes& boxes,
                                                                        const std::filesystem::path& folder,
                                                                        const std::string& base) {
    std::string refusal;
    auto use = writeUseFile(files, boxes, &refusal);
    if (!use) return refusal;
    auto andBytes = writeAndFile(files, &refusal);
    if (!andBytes) return refusal;
    const bool weekly = files.profile.optWeek;
    auto ot = writeOvertimeFile(files.overtime, weekly, &refusal);
    if (!ot) return refusal;
    return std::vector<PendingFile>{{folder / (base + ".use"), std::move(*use)},
                                    {folder / (base + ".and"), std::move(*andBytes)},
                                    {folder / (base + ".cfe"), writeCfeFile(files)},
                                    {folder / (base + overtimeExtension(weekly)), std::move(*ot)}};
}

std::variant<ProfileFiles, std::string> readProfileFiles(ProfileFiles f, const std::filesystem::path& folder,
                                                         const std::string& base) {
    using Reader = bool (*)(std::string_view, ProfileFiles&);
    const std::pair<const char*, Reader> steps[] = {{".use", readUseFile}, {".and", readAndFile}, {".cfe", readCfeFile}};
    for (const auto& [ext, read] : steps) {
        const auto path = folder / (base + ext);
        if (!FileExist(path)) continue;
        auto bytes = readWholeFile(path);
        if (!bytes || !read(*bytes, f)) return path.filename().string();
    }
    // The overtime file of the frequency just read.
    const bool weekly = f.profile.optWeek;
    const auto path = folder / (base + overtimeExtension(weekly));
    if (FileExist(path)) {
        auto bytes = readWholeFile(path);
        if (!bytes || !readOvertimeFile(*bytes, weekly, f.overtime)) return path.filename().string();
    }
    return f;
}

}  // namespace orvane
