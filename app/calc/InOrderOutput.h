#pragma once
// The runs' results, handed to the output in input order as soon as they can
// be: whichever thread finishes the next run due writes it and every finished
// run after it, while the other threads go on computing. Written buffers are
// kept for later runs, so the output's memory is a few runs, not the whole file.

#include "calc/CalcOutput.h"
#include "calc/TextBuffer.h"

#include <cstddef>
#include <mutex>
#include <optional>
#include <vector>

namespace tavrel::calc {

class InOrderOutput {
public:
    InOrderOutput(std::size_t runs, ResultSink& sink);

    // An empty buffer for a run: one already written out when there is one.
    TextBuffer spareBuffer();
    // The run's results; they are written once every run before it has been.
    void finished(std::size_t run, TextBuffer results);

private:
    ResultSink& sink_;
    std::mutex mutex_;
    std::vector<std::optional<TextBuffer>> waiting_;  // finished, not yet written
    std::vector<TextBuffer> spare_;
    std::size_t next_ = 0;  // the run to write next
    bool writing_ = false;  // a thread is writing; it takes the runs that come in meanwhile
};

}  // namespace tavrel::calc
