// The messages a run raises, each with the line and text of the block that raised it. The
// headless checker and the window's message list collect them the same way and write them in the
// one line format below.
#pragma once

#include "interpreter/state.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trazor {

enum class ProblemKind { Limit, DecimalPoint, SpindleFeed, Calculation, Stop, Other };

// The kind of a message, told by its fixed text.
ProblemKind ClassifyProblem(std::string_view message);
// The kind as the message list names it.
std::string_view ProblemKindName(ProblemKind kind);

struct Problem {
    Problem() = default;
    Problem(int line_, std::string text_, std::string block_ = {})
        : line(line_)
        , text(std::move(text_))
        , block(std::move(block_))
    {
    }

    int line = 0; // 1-based line of the block
    std::string text; // the message
    std::string block; // the block's text without line ends
};

// "line 12: 計算エラー発生", without a line end.
std::string ProblemLine(const Problem& problem);

// The 1-based line of a position in a CR LF text. Counting goes on from the last position asked
// for, so a run that asks in text order counts every character once.
class LineCounter {
public:
    int LineOf(std::u16string_view text, std::int32_t position);
    void Restart()
    {
        countedTo_ = 0;
        lineFeeds_ = 0;
    }

private:
    std::int32_t countedTo_ = 0; // characters [0, countedTo_) have been counted
    int lineFeeds_ = 0;
};

// Collects the messages of a run: they wait until the block that wrote them is done and then
// take its line and text. A block that wrote nothing costs one test of an empty vector.
class ProblemCollector {
public:
    void Message(std::string_view text)
    {
        if (!text.empty())
            pending_.emplace_back(text);
    }
    bool HasPending() const { return !pending_.empty(); }
    // A block without messages is done: only where it began is noted.
    void NoteBlock(const InterpreterState& state) { lastStart_ = state.LoadedBlockStart; }
    // The block loaded in `state` is done: its messages take its line and text.
    void AfterBlock(std::u16string_view text, const InterpreterState& state);
    // Messages written after the last block (the run's own end message) go to that block.
    void Finish(std::u16string_view text);
    // Forgets every message and the line count (the text may have changed).
    void Clear();
    // Counts lines from the top again: the text may have changed since the last block.
    void RestartLines() { lines_.Restart(); }
    // The line of `position` from the collector's own count, so that a caller who also needs the
    // line of every block (the checker's trace) and the messages count the text once between them.
    int LineOf(std::u16string_view text, std::int32_t position) { return lines_.LineOf(text, position); }
    // The last message waiting for its block, or null.
    const std::string* LastPending() const { return pending_.empty() ? nullptr : &pending_.back(); }

    std::vector<Problem> problems;

private:
    void Take(int line, std::u16string_view block);

    std::vector<std::string> pending_;
    LineCounter lines_;
    std::int32_t lastStart_ = 0; // start of the block done last
};

} // namespace trazor
