#include "app/result_labels.h"

namespace orvane {

std::vector<std::pair<std::string, std::string>> resultLabels(const Form1& f) {
    std::vector<std::pair<std::string, std::string>> out;
    out.emplace_back("Label13", f.Label13.caption);
    for (int i = 0; i < 11; ++i) out.emplace_back("lbTaxDed(" + std::to_string(i) + ")", f.lbTaxDed[i].caption);
    out.emplace_back("lbSDI", f.lbSDI.caption);
    out.emplace_back("lbSUI", f.lbSUI.caption);
    out.emplace_back("lbCafe", f.lbCafe.caption);
    out.emplace_back("lbTaxes", f.lbTaxes.caption);
    out.emplace_back("lbDeduct", f.lbDeduct.caption);
    out.emplace_back("lbNet", f.lbNet.caption);
    out.emplace_back("lbOverT", f.lbOverT.caption);
    out.emplace_back("lbTips", f.lbTips.caption);
    out.emplace_back("lbTaxVer", f.lbTaxVer.caption);
    return out;
}

}  // namespace orvane
