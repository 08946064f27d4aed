#include "mechanism/CleanLineText.h"

#include "mechanism/CleanTexts.h"
#include "text/ChemkinKeywords.h"
#include "text/StringOps.h"

namespace zorbel::clean {

namespace {

constexpr char Tab = '\t';

} // namespace

bool isBlank(char c) {
    return c == Blank || c == Tab;
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view withoutComment(std::string_view line) {
    return line.substr(0, line.find(CommentChar));
}

std::string_view commentOf(std::string_view line) {
    const std::size_t at = line.find(CommentChar);
    if (at == std::string_view::npos)
        return {};
    std::string_view comment = line.substr(at);
    while (!comment.empty() && (isBlank(comment.back()) || comment.back() == '\r'))
        comment.remove_suffix(1);
    return comment;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<Word> wordsOf(std::string_view text) {
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        const std::size_t begin = i;
        while (i < text.size() && !isBlank(text[i]))
            ++i;
        if (i > begin)
            words.push_back({begin, text.substr(begin, i - begin)});
    }
    return words;
}

std::string_view firstWord(std::string_view text) {
    const std::vector<Word> words = wordsOf(text);
    return words.empty() ? std::string_view{} : words.front().text;
}

std::string harmlessComment(std::string_view comment) {
    return replaceAll(comment, texts::IrreversibleArrow, texts::ArrowInComment);
}

} // namespace zorbel::clean
