#include "mechanism/CleanLineText.h"

#include "mechanism/CleanTexts.h"
#include "text/ChemkinKeywords.h"
#include "text/StringOps.h"

namespace zorbel::clean {

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

std::string_view firstWord(std::string_view text) {
    const std::vector<Word> words = wordsOf(text);
    return words.empty() ? std::string_view{} : words.front().text;
}

std::string harmlessComment(std::string_view comment) {
    return replaceAll(comment, texts::IrreversibleArrow, texts::ArrowInComment);
}

} // namespace zorbel::clean
