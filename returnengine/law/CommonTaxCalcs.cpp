#include "returnengine/law/CommonTaxCalcs.h"

#include "common/FilingStatus.h"
#include "returnengine/law/LawEditions.h"
#include "returnengine/law/LawTrap.h"

#include "platform/LibraryFolder.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <utility>
#include <vector>

namespace osgrin::CommonTaxCalcs {

Currency SubtractNotZero(Currency a, Currency b) {
    return lawTrap("CommonTaxCalcs.SubtractNotZero", [&] {
        const Currency d = b - a;
        return d < Currency() ? Currency() : d;
    });
}

const std::string& GetRateFile(int year) {
    return lawTrap("CommonTaxCalcs.GetRateFile", [&]() -> const std::string& {
        // Paths are built once per year: the computation asks for them thousands
        // of times in one analysis.
        static std::mutex guard;
        static std::array<std::string, 200> cache;  // years 1900 to 2099
        const bool cacheable = year >= 1900 && year < 2100;
        std::lock_guard lock(guard);
        if (cacheable && !cache[static_cast<std::size_t>(year - 1900)].empty())
            return cache[static_cast<std::size_t>(year - 1900)];
        std::string path = tavrel::platform::libraryFolder().string() + "/Ind" + std::to_string(year) + ".tbl";
        if (cacheable) return cache[static_cast<std::size_t>(year - 1900)] = std::move(path);
        thread_local std::string uncached;
        uncached = std::move(path);
        return uncached;
    });
}

const std::string& rateFilePath(std::string_view fileName) {
    // Every file a law row names, resolved once: a computation asks for them
    // several times per return.
    static const std::vector<std::pair<std::string_view, std::string>> known = [] {
        std::vector<std::pair<std::string_view, std::string>> paths;
        const std::string folder = tavrel::platform::libraryFolder().string() + "/";
        for (const law::Edition* e : {&law::tables2008Edition(), &law::enactedEdition()})
            for (const law::YearLaw& row : e->rows)
                for (const std::string_view name : {row.rateFile, row.amtRateFile})
                    if (std::none_of(paths.begin(), paths.end(), [&](const auto& p) { return p.first == name; }))
                        paths.emplace_back(name, folder + std::string(name));
        return paths;
    }();
    // Rows name their files by the same literals: the address usually decides.
    for (const auto& [name, path] : known)
        if (name.data() == fileName.data() && name.size() == fileName.size()) return path;
    for (const auto& [name, path] : known)
        if (name == fileName) return path;
    thread_local std::string other;
    other = tavrel::platform::libraryFolder().string() + "/" + std::string(fileName);
    return other;
}

std::string_view GetRateTable(std::int32_t filingStatus) {
    switch (filingStatus) {
    case tavrel::fl_single: return "Schedule X";
    case tavrel::fl_joint:
    case tavrel::fl_qual_widow: return "Schedule Y-1";
    case tavrel::fl_mar_sep: return "Schedule Y-2";
    case tavrel::fl_head_household: return "Schedule Z";
    default: return "";
    }
}

}  // namespace osgrin::CommonTaxCalcs
