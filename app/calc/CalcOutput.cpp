#include "CalcOutput.h"

#include "ResultCsv.h"

#include "FileAccess.h"

namespace tavrel::calc {

std::string writeToFile(const std::string& path, const std::vector<TextBuffer>& pieces) {
    std::vector<std::string_view> texts{kResultHeader};
    for (const TextBuffer& p : pieces) texts.push_back(p.view());
    // The results can be computed again, so the write does not wait for the disk.
    const platform::SaveResult saved = platform::replaceFileAtomically(path, texts, platform::Durability::Unflushed);
    return saved.ok() ? std::string() : saved.reason;
}

std::string writeToStream(std::ostream& out, const std::vector<TextBuffer>& pieces) {
    out.write(kResultHeader.data(), static_cast<std::streamsize>(kResultHeader.size()));
    for (const TextBuffer& p : pieces) out.write(p.view().data(), static_cast<std::streamsize>(p.view().size()));
    out.flush();
    return out ? std::string() : "standard output could not be written";
}

}  // namespace tavrel::calc
