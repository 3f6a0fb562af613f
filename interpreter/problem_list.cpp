#include "interpreter/problem_list.h"
#include "base/text.h"
#include "interpreter/messages.h"

#include <algorithm>

namespace trazor {

namespace texts = trazor_texts;

ProblemKind ClassifyProblem(std::string_view message)
{
    for (std::string_view limit :
        { texts::XMinusLimit, texts::ZMinusLimit, texts::XPlusLimit, texts::ZPlusLimit })
        if (message == limit)
            return ProblemKind::Limit;
    // The decimal-point message follows the letter and value it is about ("X10 に小数点がありません").
    if (message.size() >= texts::NoDecimalPoint.size()
        && message.substr(message.size() - texts::NoDecimalPoint.size()) == texts::NoDecimalPoint)
        return ProblemKind::DecimalPoint;
    for (std::string_view motion : { texts::SpindleZero, texts::NoMaxSpindle, texts::FeedZero })
        if (message == motion)
            return ProblemKind::SpindleFeed;
    if (message == texts::CalculationError || message == texts::DOrHZero)
        return ProblemKind::Calculation;
    for (std::string_view stop : { texts::OptionalStop, texts::ProgramStop, texts::ProgramEnd })
        if (message == stop)
            return ProblemKind::Stop;
    return ProblemKind::Other;
}

std::string_view ProblemKindName(ProblemKind kind)
{
    switch (kind) {
    case ProblemKind::Limit:
        return "リミット";
    case ProblemKind::DecimalPoint:
        return "小数点";
    case ProblemKind::SpindleFeed:
        return "回転数・送り";
    case ProblemKind::Calculation:
        return "計算";
    case ProblemKind::Stop:
        return "停止";
    case ProblemKind::Other:
        break;
    }
    return "その他";
}

std::string ProblemLine(const Problem& problem)
{
    return "line " + std::to_string(problem.line) + ": " + problem.text;
}

int LineCounter::LineOf(std::u16string_view text, std::int32_t position)
{
    // The block starting at `position` (1-based) begins with the line feed ending the previous
    // line, so its line is one more than the line feeds up to and including that position.
    const std::int32_t end = std::clamp<std::int32_t>(position, 0, static_cast<std::int32_t>(text.size()));
    if (end < countedTo_)
        Restart();
    const auto first = text.begin() + countedTo_;
    lineFeeds_ += static_cast<int>(std::count(first, text.begin() + end, u'\n'));
    countedTo_ = end;
    return lineFeeds_ + 1;
}

std::optional<TextSpan> LineSpan(std::u16string_view text, int line)
{
    if (line < 1)
        return std::nullopt;
    std::size_t start = 0;
    for (int n = 1; n < line; ++n) {
        const std::size_t feed = text.find(u'\n', start);
        if (feed == std::u16string_view::npos)
            return std::nullopt;
        start = feed + 1;
    }
    std::size_t end = text.find(u'\r', start);
    if (end == std::u16string_view::npos)
        end = text.size();
    return TextSpan { static_cast<std::int32_t>(start), static_cast<std::int32_t>(end - start) };
}

namespace {
    // The block at 1-based `start`: up to its CR, without the line end it begins with.
    std::u16string_view BlockAt(std::u16string_view text, std::int32_t start)
    {
        if (start < 1 || static_cast<std::size_t>(start) > text.size())
            return {};
        std::u16string_view block = text.substr(static_cast<std::size_t>(start) - 1);
        while (!block.empty() && (block.front() == u'\n' || block.front() == u'\r'))
            block.remove_prefix(1);
        return block.substr(0, block.find(u'\r'));
    }
}

void BlockLines::Note(const InterpreterState& state)
{
    if (state.LoadedBlockStart == last_.start && state.BlockEndPos == last_.end)
        return; // the same block again
    int line = 0;
    if (last_.line > 0 && last_.end > 0 && state.LoadedBlockStart == last_.end + 1)
        line = last_.line + last_.innerLineFeeds + 1;
    else if (state.LoadedBlockStart == 1 && state.BlockEndPos > 0)
        line = !state.BlockText.empty() && state.BlockText.front() == u'\n' ? 2 : 1;
    last_ = { state.LoadedBlockStart, state.BlockEndPos, state.BlockInnerLineFeeds, line };
}

int BlockLines::LineOfNoted(std::u16string_view text)
{
    if (last_.line == 0)
        last_.line = lines_.LineOf(text, last_.start);
    return last_.line;
}

void ProblemCollector::AfterBlock(std::u16string_view text, const InterpreterState& state)
{
    NoteBlock(state);
    if (pending_.empty())
        return;
    std::u16string_view block = state.BlockText;
    while (!block.empty() && (block.front() == u'\n' || block.front() == u'\r'))
        block.remove_prefix(1);
    Take(lines_.LineOfNoted(text), block);
}

void ProblemCollector::Finish(std::u16string_view text)
{
    if (!pending_.empty())
        Take(lines_.LineOfNoted(text), BlockAt(text, lines_.NotedStart()));
}

void ProblemCollector::Take(int line, std::u16string_view block)
{
    const std::string blockText = ToUtf8(block);
    for (auto& message : pending_)
        problems.push_back({ line, std::move(message), blockText });
    pending_.clear();
}

void ProblemCollector::Clear()
{
    problems.clear();
    pending_.clear();
    RestartLines();
}

} // namespace trazor
