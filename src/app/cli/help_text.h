// orvane-calc --help: what the usage line leaves out (exit statuses, what each printed label is).
#pragma once

namespace orvane::cli {

constexpr const char* kHelpDetails =
    "\n"
    "options:\n"
    "  --folder DIR  work in DIR (default: the current folder); it holds Federal.dtt and the users\n"
    "  --user NAME   open NAME.use of the folder before the calculation\n"
    "  --week TEXT   put TEXT into the week-ending box (its first ten characters)\n"
    "  --2x          pay the overtime of A2 at double time (default: straight time)\n"
    "  --no-save     do not save the user after the calculation\n"
    "  --json        print the results as one JSON object\n"
    "  --            end of the options (for an amount that starts with a minus sign)\n"
    "  -h, --help    print this text\n"
    "  --version     print the version\n"
    "\n"
    "output: one line per result label, name<TAB>shown text; messages go to standard error.\n"
    "  Label13        gross pay\n"
    "  lbTaxDed(0)    federal tax\n"
    "  lbTaxDed(1)    Social Security tax\n"
    "  lbTaxDed(2)    Medicare tax\n"
    "  lbTaxDed(3)    state tax\n"
    "  lbTaxDed(4)    city tax\n"
    "  lbTaxDed(5)    credit union deduction\n"
    "  lbTaxDed(6)    bond deduction\n"
    "  lbTaxDed(7)    union dues\n"
    "  lbTaxDed(8)    pension\n"
    "  lbTaxDed(9)    miscellaneous deduction\n"
    "  lbTaxDed(10)   K plan\n"
    "  lbSDI          state disability insurance\n"
    "  lbSUI          state unemployment insurance\n"
    "  lbCafe         cafeteria plan\n"
    "  lbTaxes        total taxes\n"
    "  lbDeduct       total deductions\n"
    "  lbNet          net pay\n"
    "  lbOverT        overtime pay\n"
    "  lbTips         tips\n"
    "  lbTaxVer       the version text of the federal tables\n"
    "\n"
    "exit status:\n"
    "  0  the calculation ran and everything it had to read and write succeeded\n"
    "  1  an entry was refused (the message says which)\n"
    "  2  bad arguments: unknown option, missing value, no such folder or user\n"
    "  3  the calculation ran but something failed: a save, a damaged or missing file,\n"
    "     the federal tables (each also a \"message:\" line on standard error)\n";

}  // namespace orvane::cli
