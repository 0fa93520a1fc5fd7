#include "ui/qt_person.h"

#include <gtest/gtest.h>

namespace {

struct FilterCase {
    const char* name;
    const char* filter;
    const char* qt;
};

const FilterCase kFilterCases[] = {
    {"name already shows its pattern", "User Files (*.use)|*.use", "User Files (*.use)"},
    {"pattern added to a bare name", "Pay Periods|*.prv", "Pay Periods (*.prv)"},
    {"several patterns and filters", "Text|*.txt;*.doc|All Files (*.*)|*.*", "Text (*.txt *.doc);;All Files (*.*)"},
    {"a lone pattern", "*.use", "*.use"},
    {"nothing", "", ""},
};

TEST(QtFileFilter, ConvertsBarSeparatedFilters) {
    for (const auto& c : kFilterCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(orvane::ui::qtFileFilter(c.filter).toStdString(), c.qt);
    }
}

}  // namespace
