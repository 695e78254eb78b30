#include "core/designer/ParameterSearch.h"
#include "plain/CoreTest.h"

namespace {

ParameterCatalogue Catalogue() {
    ParameterCatalogue catalogue;
    catalogue.Load("title,Speed,$00FF00\n"
                   "1,sp,Speed,Speed,kph,0,37.4\n"
                   "2,sp,Average Speed,Avg,kph,0,21\n"
                   "title,Altitude,$0000FF\n"
                   "30,sp,Altitude,Alt,m,0,120\n"
                   "31,sp,Caf\xC9 Height,Hgt,m,0,3\n"
                   "title,Empty,$FFFFFF\n");
    return catalogue;
}

// The names shown, in catalogue order, headings marked with "-".
std::vector<std::string> Shown(const ParameterCatalogue& catalogue, std::string_view typed) {
    const std::vector<bool> shown = ParameterItemsShown(catalogue, typed);
    EXPECT_EQ(shown.size(), catalogue.Size()) << "one flag per item: positions stay the entries'";
    std::vector<std::string> names;
    for (std::size_t k = 0; k < shown.size(); ++k)
        if (shown[k]) names.push_back(catalogue.At(k).ItemText());
    return names;
}

TEST(ParameterSearch, KeepsEntriesHoldingTheTextAnywhereWithTheirGroupHeadings) {
    const ParameterCatalogue catalogue = Catalogue();
    ASSERT_EQ(catalogue.At(0).Name, "<Select>");
    EXPECT_EQ(Shown(catalogue, "").size(), catalogue.Size());
    EXPECT_EQ(Shown(catalogue, "PEED"),
              (std::vector<std::string>{"-Speed", "Speed", "Average Speed"}));
    EXPECT_EQ(Shown(catalogue, "T"),
              (std::vector<std::string>{"<Select>", "-Altitude", "Altitude", "Caf\xC9 Height"}))
        << "no heading matches by its own name, nor one whose entries all went";
    EXPECT_EQ(Shown(catalogue, "caf\xE9"),
              (std::vector<std::string>{"-Altitude", "Caf\xC9 Height"}));
    EXPECT_EQ(Shown(catalogue, "ed a"), std::vector<std::string>{});
    EXPECT_EQ(Shown(catalogue, "<sel"), std::vector<std::string>{"<Select>"});
}

} // namespace
