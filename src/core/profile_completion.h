#pragma once
// The profile as the user information window settles it on creation: an empty filing status is
// "Single" (as is an old file's state status "0"), empty name and address texts and deduction
// captions take their standard texts, a pay rate of 0 is 7.5, a profile with neither frequency
// is weekly, and exactly one K plan flag is set. Every reader of the profile files returns the
// profile settled so, and every save writes it so: what the window shows is what is paid.

#include "core/employee_profile.h"

namespace orvane {

EmployeeProfile completed(EmployeeProfile profile);

}  // namespace orvane
