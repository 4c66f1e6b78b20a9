#include "commands/BatchRun.h"

#include "base/ConsoleServices.h"
#include "calc/CalcOutput.h"
#include "reports/AnalysisResult.h"
#include "reports/ClientBook.h"

#include "common/TaxError.h"
#include "platform/FileAccess.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <filesystem>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include <unistd.h>

namespace tavrel::shell {
namespace {

namespace fs = std::filesystem;
using reports::BookError;
using reports::BookFormat;
using reports::BookRow;

bool hasAmtExtension(const fs::path& name) {
    const std::string ext = name.extension().string();
    return ext.size() == 4 && ext[0] == '.' && (ext[1] | 0x20) == 'a' && (ext[2] | 0x20) == 'm' &&
           (ext[3] | 0x20) == 't';
}

// By name as a reader sorts it: "adams" before "Baker"; names equal but for
// case in byte order, so the order never depends on the listing.
bool beforeByName(const std::string& a, const std::string& b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t k = 0; k < a.size() && k < b.size(); ++k) {
        const auto x = static_cast<unsigned char>(lower(a[k])), y = static_cast<unsigned char>(lower(b[k]));
        if (x != y) return x < y;
    }
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

BookRow fileRow(std::string file) {
    BookRow row;
    row.figures.file = std::move(file);
    return row;
}

// The rows the items stand for, in order: a folder's .amt files (any case of
// the extension, not in subfolders) sorted by name, anything else as named. A
// folder that cannot be listed gets a row with the error.
std::vector<BookRow> rowsFor(const std::vector<std::string>& items, std::ostream& standardError) {
    std::vector<BookRow> rows;
    for (const std::string& item : items) {
        std::error_code ec;
        const fs::file_type type = fs::status(item, ec).type();
        if (type == fs::file_type::not_found) {
            // Reading a missing file would find no sections and call it no
            // scenario; the name is more likely mistyped.
            BookRow row = fileRow(item);
            std::string message = errorText(err::FileNotFound, {});
            message.append("; at no such file or folder");
            row.error = BookError{err::FileNotFound, std::move(message)};
            rows.push_back(std::move(row));
            continue;
        }
        if (type != fs::file_type::directory) {
            // An unreadable file gets its error from the analysis.
            rows.push_back(fileRow(item));
            continue;
        }
        std::vector<std::string> names;
        for (fs::directory_iterator it(item, ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code typeError;
            if (hasAmtExtension(it->path().filename()) && it->is_regular_file(typeError))
                names.push_back(it->path().filename().string());
        }
        if (ec) {
            const int number = ec == std::errc::permission_denied ? err::PermissionDenied : err::PathFileAccess;
            std::string message = errorText(number, {});
            message.append("; at the folder cannot be read: ").append(ec.message());
            BookRow row = fileRow(item);
            row.error = BookError{number, std::move(message)};
            rows.push_back(std::move(row));
            continue;
        }
        if (names.empty()) standardError << "tavrel: " << platform::quotedForMessage(item) << " holds no .amt files\n";
        std::sort(names.begin(), names.end(), beforeByName);
        for (const std::string& name : names) rows.push_back(fileRow((fs::path(item) / name).string()));
    }
    return rows;
}

// An error on one line: its text and the places it passed through, leaving
// out the opening of the file the row already names.
std::string bookMessage(int number, std::string_view description, std::string_view source) {
    std::string message = errorText(number, description);
    std::size_t i = 0;
    while (i < source.size()) {
        std::size_t next = source.find('\r', i);
        if (next == std::string_view::npos) next = source.size();
        std::string_view place = source.substr(i, next - i);
        while (!place.empty() && place.front() == '\n') place.remove_prefix(1);
        if (!place.empty() && !place.starts_with("OpenFile \"")) message.append("; at ").append(place);
        i = next + 1;
    }
    return message;
}

// Analyses the row's scenario (unless its folder already failed).
void analyseRow(BookRow& row, std::optional<osgrin::LawEdition> law, std::optional<std::int16_t> planYear) {
    if (row.error) return;
    try {
        row.figures = reports::analyseFile(row.figures.file, law, planYear);
        row.figures.curve = {};  // the book shows no curve
    } catch (const TaxError& e) {
        row.error = BookError{e.number(), bookMessage(e.number(), e.description(), e.source())};
    } catch (const std::exception& e) {
        // Errors of the library keep their meaning, as the traps give them.
        const int number = dynamic_cast<const std::bad_alloc*>(&e) ? err::OutOfMemory : err::InvalidCall;
        row.error = BookError{number, bookMessage(number, e.what(), {})};
    } catch (...) {
        row.error = BookError{err::InvalidCall, errorText(err::InvalidCall, {})};
    }
}

}  // namespace

int RunBatch(const BatchRequest& request, std::ostream& standardOutput, std::ostream& standardError) {
    const BookFormat format = request.json ? BookFormat::Json : BookFormat::Csv;
    const std::string outputName =
        request.outputFile.empty() ? std::string("the book") : platform::quotedForMessage(request.outputFile);
    // The book is written in one piece at the end, after every scenario was
    // read: an existing book stays as it was until the new one is complete.
    calc::ResultSink output =
        request.outputFile.empty() ? calc::ResultSink(standardOutput) : calc::ResultSink(request.outputFile);
    if (const std::string problem = output.problem(); !problem.empty()) {
        standardError << "tavrel: cannot write " << outputName << ": " << problem << '\n';
        return 1;
    }

    std::vector<BookRow> rows = rowsFor(request.items, standardError);
    const bool progress = request.progress.value_or(::isatty(STDERR_FILENO) == 1);

    // Workers take the next scenario until none is left. This thread only
    // reports progress; the text is made once every row is known, since the
    // columns name the years the book's scenarios plan.
    std::atomic<std::size_t> next{0};
    std::mutex doneLock;
    std::condition_variable doneChanged;
    std::size_t done = 0;
    std::atomic<std::size_t> failed{0};
    std::exception_ptr firstProblem;
    std::atomic_flag problemTaken;
    auto work = [&] {
        for (std::size_t i = next++; i < rows.size(); i = next++) {
            try {
                analyseRow(rows[i], request.law, request.planYear);
                if (rows[i].error) ++failed;
            } catch (...) {
                // Out of memory for the row: the book cannot be complete.
                if (!problemTaken.test_and_set()) firstProblem = std::current_exception();
            }
            {
                const std::lock_guard lock(doneLock);
                ++done;
            }
            doneChanged.notify_one();
        }
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t threads = std::min<std::size_t>(request.threads != 0 ? request.threads : cores, rows.size());
    {
        std::vector<std::jthread> pool;
        pool.reserve(threads);
        for (std::size_t t = 0; t < threads; ++t) pool.emplace_back(work);
        if (progress && !rows.empty()) {
            std::size_t shown = 0;
            std::unique_lock lock(doneLock);
            while (shown < rows.size()) {
                doneChanged.wait(lock, [&] { return done != shown; });
                shown = done;
                lock.unlock();
                standardError << "\ranalysed " << shown << " of " << rows.size() << std::flush;
                lock.lock();
            }
            standardError << '\n';
        }
    }  // joins
    std::vector<std::string> texts(rows.size());
    reports::BookColumns columns;
    if (!firstProblem) {
        try {
            columns = reports::clientBookColumns(reports::bookPlanYear(rows));
            for (std::size_t i = 0; i < rows.size(); ++i)
                reports::appendBookRow(texts[i], format, rows[i], i == 0, columns);
        } catch (...) {
            firstProblem = std::current_exception();  // out of memory for the text
        }
    }
    if (firstProblem) {
        try {
            std::rethrow_exception(firstProblem);
        } catch (const std::exception& e) {
            standardError << "tavrel: the book could not be made: " << e.what() << '\n';
        } catch (...) {
            standardError << "tavrel: the book could not be made\n";
        }
        return 1;
    }

    std::string start;
    reports::appendBookStart(start, format, columns);
    output.write(start);
    for (const std::string& text : texts) output.write(text);
    std::string end;
    reports::appendBookEnd(end, format);
    output.write(end);
    if (const std::string problem = output.finish(); !problem.empty()) {
        standardError << "tavrel: cannot write " << outputName << ": " << problem << '\n';
        return 1;
    }
    if (failed > 0) {
        standardError << "tavrel: " << failed << " of " << rows.size()
                      << (rows.size() == 1 ? " scenario" : " scenarios")
                      << " could not be analysed; the book's error column says why\n";
        return 1;
    }
    return 0;
}

}  // namespace tavrel::shell
