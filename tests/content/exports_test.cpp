// The shared objects export their functions and nothing else.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <sstream>

namespace {

// Names of the defined symbols of a shared object's dynamic symbol table.
std::set<std::string> DefinedDynamicSymbols(const std::string& library)
{
    const std::string command = std::string(SELV_NM) + " -D --defined-only '" + library + "' 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), &pclose);
    std::set<std::string> names;
    if (!pipe)
        return names;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe.get())) {
        std::istringstream fields(line);
        std::string address, type, name;
        if (fields >> address >> type >> name)
            names.insert(name);
        else
            names.insert("unreadable: " + std::string(line));
    }
    return names;
}

std::string Library(const char* name)
{
    return std::string(SELV_PROGRAM_DIR) + "/lib" + name + ".so";
}

} // namespace

TEST(ContentExports, EachLibraryExportsExactlyItsFunctions)
{
    const std::pair<const char*, std::set<std::string>> expected[] = {
        {"selvhymn", {"SearchTropLookupTable", "LoadTropFromResource"}},
        {"selvlife", {"SearchLivesLookupTable", "LoadLivesFromResource"}},
        {"selvxtra", {"LoadMultJpgFromResource", "FindMultJpgResource", "GetMultInstance"}},
        {"selvicon", {"GetInstance", "FindJpgResource", "LoadJpgFromResource"}},
    };
    for (const auto& [name, functions] : expected)
        EXPECT_EQ(DefinedDynamicSymbols(Library(name)), functions) << name;
}
