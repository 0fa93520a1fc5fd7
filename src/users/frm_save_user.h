#pragma once
// The Save User window: the name under which the next save writes, and the three ways out:
// save, leave without saving, end the program.

#include <string>

#include "core/controls.h"

namespace orvane {

class frmSaveUser {
public:
    frmSaveUser() {
        Label1.caption = "Before opening a user file,";
        Label2.caption = "Do you want to save this user?";
        txtSaveUser.text = "TYPE NAME";
        txtSaveUser.tip = "File that is already opened.";
        cmdSaveUser.caption = "&Save";
        cmdEnd.caption = "&No";
        cmdQuit.caption = "&Quit";
    }

    std::string Caption = "Save User";
    Label Label1, Label2;
    TextBox txtSaveUser;  // centred; selects its whole text on focus
    CommandButton cmdSaveUser, cmdEnd, cmdQuit;

    // Creation: the current user's name into the box.
    void Form_Load(const std::string& userName) { txtSaveUser.text = userName; }
};

}  // namespace orvane
