#include "checking/check_print.h"

#include "fixed_metrics.h"
#include "silent_host.h"

#include <gtest/gtest.h>

namespace {

std::vector<TextItem> Texts(const Page& page) {
    std::vector<TextItem> texts;
    for (const auto& item : page.items)
        if (auto* t = std::get_if<TextItem>(&item)) texts.push_back(*t);
    return texts;
}

class CheckPrintTest : public ::testing::Test {
protected:
    void Fill(int columns) {
        ASSERT_TRUE(store.tryResize(columns));
        for (int p = 1; p <= columns; ++p)
            store.at(p) = Column{{5, 12, 30, 40, static_cast<Number>(50 + p % 30), 89}};
        store.count = columns;
        SilentHost host;
        CheckColumns(store, WinningColumn{Column{{5, 12, 23, 44, 61, 90}}, 7}, result, host);
    }
    CheckPrintInput Input() {
        return CheckPrintInput{{"5", "12", "23", "44", "61", "90"}, "7", "33", "23/05/2026", &store, &result};
    }
    ColumnStore store;
    CheckResultList result;
};

TEST_F(CheckPrintTest, FontIsTheLargestThatPutsNinetyLettersAcross) {
    Fill(3);
    // Characters are height/2 wide: 90 * (6100/d)/2 <= 4000 first holds at d = 69.
    FixedMetrics metrics(4000, 6100);
    const auto doc = BuildCheckPrint(Input(), metrics);
    ASSERT_EQ(doc.pages.size(), 1u);
    const auto texts = Texts(doc.pages[0]);
    EXPECT_DOUBLE_EQ(texts[0].font.height, 6100.0 / 69);
    EXPECT_EQ(texts[0].font.family, "Arial");
    EXPECT_EQ(doc.title, "Sestavia");
}

TEST_F(CheckPrintTest, LaysOutHeadingCountersAndList) {
    Fill(3);
    FixedMetrics metrics(4000, 6100);
    const auto texts = Texts(BuildCheckPrint(Input(), metrics).pages[0]);
    const double line = 6100.0 / 69 + 2, h = 6100.0 / 69 / 2;
    EXPECT_EQ(texts[0].text, "Spoglio delle colonne");
    EXPECT_DOUBLE_EQ(texts[0].y, line / 2);
    EXPECT_DOUBLE_EQ(texts[0].x, (4000 - 21 * h) / 2);
    EXPECT_EQ(texts[1].text,
              "Combinazione vincente del 23/05/2026: 5 12 23 44 61 90 - Jolly 7 - SuperStar 33");
    EXPECT_DOUBLE_EQ(texts[1].y, line / 2 + 2 * line);
    EXPECT_EQ(texts[2].text, "Punti:");
    EXPECT_EQ(texts[3].text, "Nº colonne:");
    // Headings 0..5, 5+1, 6, each above its counter, six letters apart.
    EXPECT_EQ(texts[4].text, "0");
    EXPECT_EQ(texts[4 + 2 * 6].text, "5+1");
    EXPECT_EQ(texts[4 + 2 * 7].text, "6");
    EXPECT_DOUBLE_EQ(texts[6].x - texts[4].x, 6 * h);
    EXPECT_EQ(texts[4 + 2 * 2 + 1].text, "3"); // three columns scored 2
    const auto& list = texts[20];
    EXPECT_EQ(list.text, "Elenco vincite:");
    EXPECT_EQ(texts[22].text, "Colonna");
    EXPECT_DOUBLE_EQ(texts[22].x, 10 * h);
    EXPECT_DOUBLE_EQ(texts[23].x, 30 * h);
    EXPECT_EQ(texts[24].text, "2");
    EXPECT_EQ(texts[25].text, " 5 12 30 40 51 89");
    EXPECT_EQ(texts[26].text, "1");
}

TEST_F(CheckPrintTest, LongListsBreakIntoPagesAndEveryEntryIsPrintedOnce) {
    Fill(300);
    FixedMetrics metrics(4000, 6100);
    const auto doc = BuildCheckPrint(Input(), metrics);
    ASSERT_GT(doc.pages.size(), 1u);
    std::size_t listed = 0;
    const double line = 6100.0 / 69 + 2;
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        for (const auto& t : Texts(doc.pages[p])) {
            EXPECT_LE(t.y, 6100 - line) << "page " << p;
            if (t.x == 30 * (6100.0 / 69 / 2) && t.text != "Nº colonna") ++listed;
        }
    }
    EXPECT_EQ(listed, 300u);
    EXPECT_DOUBLE_EQ(Texts(doc.pages[1])[0].y, 0);
}

TEST_F(CheckPrintTest, WithoutADateTheHeadingSaysNoDate) {
    Fill(1);
    FixedMetrics metrics(4000, 6100);
    auto input = Input();
    input.date.clear();
    EXPECT_EQ(Texts(BuildCheckPrint(input, metrics).pages[0])[1].text,
              "Combinazione vincente: 5 12 23 44 61 90 - Jolly 7 - SuperStar 33");
}

} // namespace
