#include "platform/TextFile.h"

#include "TestFolder.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(LineStream, OverATextSplitsAsReadLinesDoes)
{
    const QString text = QString::fromLatin1("one\r\ntwo\n\r\n\rmid\rdle\r\nlast \xE9");
    LineStream s = LineStream::overText(text);
    QStringList viaViews;
    QStringView view;
    while (s.readLine(view))
        viaViews << view.toString();
    EXPECT_EQ(viaViews, (QStringList{"one", "two", "", "\rmid\rdle", QString::fromLatin1("last \xE9")}));
    EXPECT_EQ(s.position(), 5);

    TestFolder dir;
    dir.write("a.txt", text.toLatin1());
    QStringList viaFile;
    ASSERT_EQ(readLines(dir.file("a.txt"), viaFile), ReadStatus::Ok);
    EXPECT_EQ(viaFile, viaViews);
}

TEST(LineStream, EveryCrCanEndALine)
{
    // For files whose every CR is a line break: CR LF, a lone CR and a lone
    // LF each end a line, so no line keeps a CR.
    const struct {
        const char* text;
        QStringList lines;
    } cases[] = {
        {"a\r\nb", {"a", "b"}},       {"a\r\r\nb\r\n", {"a", "b"}}, // a stray CR before CR LF is no line of its own
        {"a\r\r\n", {"a"}},                                         // also at the end of the text
        {"a\r\rb", {"a", "", "b"}},                                 // CRs not followed by an LF each end a line
        {"a\rb\rc", {"a", "b", "c"}}, {"a\n\rb\r", {"a", "", "b"}}, {"\r", {""}}, {"", {}},
    };
    for (const auto& c : cases) {
        LineStream s = LineStream::overText(QString::fromLatin1(c.text), LineStream::Breaks::AnyCrOrLf);
        QStringList lines;
        for (QString line; s.readLine(line);)
            lines << line;
        EXPECT_EQ(lines, c.lines) << c.text;
        EXPECT_TRUE(s.atEnd());
    }
}

TEST(LineStream, AFinalLineEndStartsNoLineAndAnEmptyTextHasNone)
{
    for (const char* text : {"", "x\r\n", "x\n", "x"}) {
        LineStream s = LineStream::overText(QString::fromLatin1(text));
        QString line;
        int count = 0;
        while (s.readLine(line))
            ++count;
        EXPECT_EQ(count, *text ? 1 : 0) << text;
        EXPECT_TRUE(s.atEnd());
        EXPECT_FALSE(s.readLine(line));
    }
    LineStream twoEnds = LineStream::overText("x\r\n\r\n");
    QString line;
    ASSERT_TRUE(twoEnds.readLine(line));
    EXPECT_FALSE(twoEnds.atEnd()) << "the empty line after it";
    ASSERT_TRUE(twoEnds.readLine(line));
    EXPECT_TRUE(line.isEmpty());
    EXPECT_TRUE(twoEnds.atEnd());
}

TEST(LineStream, ViewsOverAListOfLines)
{
    LineStream s(QStringList{"a", "", "b"});
    QStringView view;
    QString copy;
    ASSERT_TRUE(s.readLine(view));
    EXPECT_EQ(view, u"a");
    ASSERT_TRUE(s.readLine(copy));
    EXPECT_TRUE(copy.isEmpty());
    ASSERT_TRUE(s.readLine(view));
    EXPECT_EQ(view, u"b");
    EXPECT_FALSE(s.readLine(view));
    EXPECT_EQ(view, u"b") << "untouched at the end";
}
