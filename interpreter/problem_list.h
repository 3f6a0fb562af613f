// The messages a run raises, each with the line and text of the block that raised it. The
// headless checker and the window's message list collect them the same way and write them in the
// one line format below.
#pragma once

#include "interpreter/state.h"

#include <cstdint>
#include <optional>
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

// Where the 1-based `line` of a CR LF text lies, as LineCounter counts lines: after line - 1 line
// feeds, up to its CR (or the end of the text). Nothing when the text has fewer lines.
struct TextSpan {
    std::int32_t start = 0; // 0-based
    std::int32_t length = 0;
};
std::optional<TextSpan> LineSpan(std::u16string_view text, int line);

// The lines of the blocks of a run, block after block. A block taken right after the one noted
// before (at the line feed after its CR) lies that block's lone line feeds and one line further
// on, as TakeBlock found them; only the first block, or one taken elsewhere, is counted in the
// text. A block asked about again costs two comparisons.
class BlockLines {
public:
    // Notes the block loaded in `state`, and its line when it follows from the block before.
    void Note(const InterpreterState& state);
    // The line of the block noted last.
    int LineOfNoted(std::u16string_view text);
    // The line of the block loaded in `state`.
    int LineOf(std::u16string_view text, const InterpreterState& state)
    {
        Note(state);
        return LineOfNoted(text);
    }
    // Where the block noted last begins (1-based, as LoadedBlockStart), 0 before any.
    std::int32_t NotedStart() const { return last_.start; }
    // Counts lines from the top again: the text may have changed since the last block.
    void Restart()
    {
        lines_.Restart();
        last_ = {};
    }

private:
    struct NotedBlock {
        std::int32_t start = 0;
        std::int32_t end = 0; // its CR LF, 0 when it has none
        int innerLineFeeds = 0; // its lone LFs past its first character
        int line = 0; // 0 until known
    };
    LineCounter lines_;
    NotedBlock last_; // the block noted (or asked about) last
};

// Collects the messages of a run: they wait until the block that wrote them is done and then
// take its line and text. A block that wrote nothing costs a few comparisons: its line is carried
// on from the block before, so the text is not read again for it.
class ProblemCollector {
public:
    void Message(std::string_view text)
    {
        if (!text.empty())
            pending_.emplace_back(text);
    }
    bool HasPending() const { return !pending_.empty(); }
    // A block without messages is done: where it began is noted, and its line when it follows
    // from the block before.
    void NoteBlock(const InterpreterState& state) { lines_.Note(state); }
    // The block loaded in `state` is done: its messages take its line and text.
    void AfterBlock(std::u16string_view text, const InterpreterState& state);
    // Messages written after the last block (the run's own end message) go to that block.
    void Finish(std::u16string_view text);
    // Forgets every message and the line count (the text may have changed).
    void Clear();
    // Counts lines from the top again: the text may have changed since the last block.
    void RestartLines() { lines_.Restart(); }
    // The line of the block loaded in `state` (see BlockLines).
    int BlockLine(std::u16string_view text, const InterpreterState& state)
    {
        return lines_.LineOf(text, state);
    }
    // The last message waiting for its block, or null.
    const std::string* LastPending() const { return pending_.empty() ? nullptr : &pending_.back(); }

    std::vector<Problem> problems;

private:
    void Take(int line, std::u16string_view block);

    std::vector<std::string> pending_;
    BlockLines lines_;
};

} // namespace trazor
