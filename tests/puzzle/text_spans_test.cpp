#include "puzzle/text_spans.h"

#include <gtest/gtest.h>
#include <string>

namespace quenza {
namespace {

TEST(TextSpans, AnswerEveryOffsetWithThePiecesAroundIt) {
    struct Case {
        std::u16string text;
        int offset;
        TextUnit unit;
        TextSpan at, before, after;
    };
    const Case cases[] = {
        // A ranking's place, padded with blanks, asked at its end and past it.
        {u"       2", 8, TextUnit::Word, {0, 8}, {}, {}},
        {u"       2", 100, TextUnit::Word, {0, 8}, {}, {}},
        {u"       2", 3, TextUnit::Character, {3, 4}, {2, 3}, {4, 5}},
        {u"Puesto 1: Ana", 0, TextUnit::Word, {0, 7}, {}, {7, 10}},
        {u"Puesto 1: Ana", 8, TextUnit::Word, {7, 10}, {0, 7}, {10, 13}},
        {u"Puesto 1: Ana", 13, TextUnit::Word, {10, 13}, {7, 10}, {}},
        {u"uno\ndos", 5, TextUnit::Line, {4, 7}, {0, 4}, {}},
        {u"uno\ndos", 1, TextUnit::Line, {0, 4}, {}, {4, 7}},
        {u"Ana", -4, TextUnit::All, {0, 3}, {}, {}},
        {u"", 0, TextUnit::Word, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "offset " << c.offset << " of a text of " << c.text.size());
        EXPECT_EQ(spanAt(c.text, c.offset, c.unit), c.at);
        EXPECT_EQ(spanBefore(c.text, c.offset, c.unit), c.before);
        EXPECT_EQ(spanAfter(c.text, c.offset, c.unit), c.after);
    }
}

TEST(TextSpans, WordsJoinUpEndToEndAndHoldTheirOffset) {
    const std::u16string text = u"  Nivel 3,  Tiempo 02:05 ";
    TextSpan previous;
    for (int offset = 0; offset < static_cast<int>(text.size()); ++offset) {
        const TextSpan word = spanAt(text, offset, TextUnit::Word);
        ASSERT_LE(word.start, offset);
        ASSERT_GT(word.end, offset);
        if (!(word == previous)) {
            EXPECT_EQ(word.start, previous.end);
            previous = word;
        }
    }
    EXPECT_EQ(previous.end, static_cast<int>(text.size()));
}

} // namespace
} // namespace quenza
