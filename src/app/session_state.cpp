#include "app/session.h"

#include "core/file_io.h"
#include "core/file_set_save.h"
#include "core/settings_messages.h"

namespace orvane {

void Session::tellStateMessages(const DialogMessages& messages) {
    for (const auto& lines : messages) {
        if (lines == damagedFileMessage(stateFile())) reportDamagedFile(stateFile(), "State Tax", MessageIcon::Exclamation);
        else m_person.tell(lines, "State Tax", MessageIcon::Exclamation);
    }
}

std::filesystem::path Session::stateFile() const { return stateFilePath(folder, UserName); }

DialogState& Session::dialogState() {
    if (!m_dialogState) {
        m_dialogState = std::make_unique<DialogState>(stateSettings, profile);
        // The start-up reads the state file into the record, then the profile files again (so a
        // calculation before any user is opened takes the default file set's profile), prepares
        // the checked special state and copies the window into the record.
        tellStateMessages(m_dialogState->startUp(stateFile(), [this] {
            // An open overtime window keeps the rows typed into it: the save that ends the
            // calculation stores them.
            const std::optional<Form2> typed = m_form2 ? std::optional<Form2>(*m_form2) : std::nullopt;
            LoadUser();
            if (typed && m_form2) *m_form2 = *typed;
        }));
        m_stateAtStartUp = stateSettings;
        m_profileAtStateStartUp = profile;
    }
    return *m_dialogState;
}

void Session::discardDialogState() { m_dialogState.reset(); }

void Session::settleStateRecord() {
    if (m_dialogState) return;
    // The profile files first, with the state settings .and keeps ("Round State", the extra
    // allowance, "Spouse Works", the states stored there), then the state window's own start-up.
    LoadUser();
    copyAndFileIntoState();
    dialogState();
    discardDialogState();
}

StateInputs Session::stateInputs() {
    DialogState& d = dialogState();
    // The state computations read the record as the window's start-up or SAVE left it. The SDI
    // and SUI step copies txtStateAdj and txtCalAllow into the record only after the state step,
    // so Wisconsin and North Carolina deduct the txtCalAllow of the last fillVari: an edit of
    // that box not yet taken by SAVE counts from the next calculation on.
    const StateTaxSettings record = stateSettings;
    const SpecialStateChecks checks = d.checks();
    const bool spouse = d.ckSpouse.value() == 1;
    const float ytdSS = ytd.YtdSS, ytdMedi = ytd.YtdMedi;
    const StateTaxRules rules = d.takeCalculationRules();
    d.ZeroBlankStateBoxes();

    StateInputs in;
    in.singleExemption = record.txtStateSgExp;
    in.marriedExemption = record.txtStateMarExp;
    // SDI and SUI: "Use Base" from the window's boxes, rates and bases from the record.
    in.sdi = InsuranceSettings{record.txtSDIpercent, record.txtSDIwageBase, d.ckSDI.value() == 1};
    in.sui = InsuranceSettings{record.txtSUIpercent, record.txtSUIwageBase, d.ckSUI.value() == 1};
    in.txtStateAdj = static_cast<float>(readNumber(d.txtStateAdj.text));
    in.txtCalAllow = static_cast<float>(readNumber(d.txtCalAllow.text));
    stateSettings.txtStateAdj = in.txtStateAdj;
    stateSettings.txtCalAllow = in.txtCalAllow;
    in.roundOff = d.ckRoundOff.value() == 1;
    in.stateTaxIsDouble = rules.taxIsDouble;
    in.computeStateTax = [record, checks, spouse, ytdSS, ytdMedi](const PayResult& r, const EmployeeProfile& p) {
        StateTaxInputs s;
        s.GrossPay = r.GrossPay;
        s.GrossLessKplan = r.GrossLessKplan;
        s.FedTax = r.FedTax;
        s.StateExemption = r.StateExemption;
        s.StateCafeAmt = r.StateCafeAmt;
        s.SocSecTax = r.SocSecTax;
        s.MediTax = r.MediTax;
        s.cboStatus = p.cboStatus;
        s.cboStatus2 = p.cboStatus2;
        s.cboDepend2 = p.cboDepend2;
        s.optWeek = p.optWeek;
        s.optBiWeek = p.optBiWeek;
        s.YtdSS = ytdSS;
        s.YtdMedi = ytdMedi;
        s.ckSpouse = spouse;
        s.settings = record;
        return stateTaxFor(s, checks);
    };
    return in;
}

void Session::LoadState() {
    if (!m_dialogState) {
        dialogState();  // the start-up reads the file, prepares the states and fills the record
        return;
    }
    DialogState& d = *m_dialogState;
    tellStateMessages(d.LoadState(stateFile()));
    d.CheckFor();
    tellStateMessages(d.fillVari());
}

bool Session::SaveState() {
    if (!userFilesWritable(userFiles(), "State Tax")) return false;
    if (auto message = saveStateFile(stateFile(), stateSettings, profile)) {
        tellStateMessages({*message});
        return false;
    }
    return true;
}

void Session::LoadDefaultStateForNewUser() {
    DialogState& d = dialogState();
    d.cmdDefault_Click();
    // Taken into the record, so that the new user does not inherit the previous user's state.
    tellStateMessages(d.fillVari());
    discardDialogState();
}

DialogState& Session::mnuStateTax_Click() {
    DialogState& d = dialogState();
    d.afterShownFromMenu();
    return d;
}

bool Session::DialogState_OKButton_Click() {
    DialogState& d = dialogState();
    DialogMessages problems = d.fillVari();
    if (!problems.empty()) {
        tellStateMessages(problems);
        return false;
    }
    if (!SaveState()) return false;  // the window stays open to try again
    // The profile files are saved too: .and keeps the record's "Spouse Works", extra allowance,
    // "Round State" and the Idaho, Wisconsin, N.C. and Alabama boxes.
    if (!SaveProfileFiles()) return false;
    notifySaved("the state tax settings", stateFile());
    discardDialogState();
    return true;
}

bool Session::SaveProfileFiles() {
    takeProfileWindows();
    for (auto& part : userFileParts()) {
        if (part.name != "profile" || !part.write) continue;
        auto built = part.write({folder, UserName});
        if (auto* refusal = std::get_if<std::string>(&built)) {
            tellStateMessages({{*refusal, "Nothing was saved."}});
            return false;
        }
        if (!userFilesWritable({folder, UserName}, "State Tax")) return false;
        if (auto failure = writeFileSetAtomically(folder, std::get<std::vector<PendingFile>>(built))) {
            tellStateMessages({failedWriteMessage(*failure)});
            return false;
        }
    }
    return true;
}

void Session::DialogState_CancelButton_Click() {
    if (!m_dialogState) return;
    stateSettings = m_stateAtStartUp;
    copyStateFileProfileFields(m_profileAtStateStartUp, profile);
    showProfileInTaxInfo();
    discardDialogState();
}

void Session::DialogState_cmdGetDefault_Click() {
    tellStateMessages(dialogState().LoadDefaultState(folder));
    // The default file's filing status, exemptions and federal boxes belong to the user
    // information window too: a later "Save" there must not write the old ones back.
    showProfileInTaxInfo();
}

bool Session::DialogState_cmdMkDefault_Click() {
    DialogState& d = dialogState();
    DialogMessages problems = d.fillVari();
    if (!problems.empty()) {
        tellStateMessages(problems);
        return false;
    }
    if (!askToSaveLedger()) return false;
    // The current user's files, then the same settings as the default file set, which every
    // window created before a user is opened or made reads.
    if (!writeUserFileSet({folder, UserName}) || !writeUserFileSet({folder, ""})) return false;
    notifySaved("the state tax settings, as the defaults for new users too,", folder);
    YtdQuietClose = true;  // the ledger window closes without its own question
    for (const char* window :
         {"Form2", "DialogVac", "MDIForm1", "frmSaveUser", "DialogState", "DialogCity", "DialogNonCity"})
        discardWindow(window);
    return true;
}

}  // namespace orvane
