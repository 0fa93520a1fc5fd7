#include "app/session.h"

namespace orvane {

void Session::startUpUsers() {
    Form1& f = form1();
    f.setDeductionCaptions({profile.txtTax5, profile.txtTax6, profile.txtTax7, profile.txtTax8, profile.txtTax9});
    f.setTableNotice(profile.biWeekly());
}

void Session::saveUserAfterCalculation() {
    // The Save User window and the profile files come with user management.
}

}  // namespace orvane
