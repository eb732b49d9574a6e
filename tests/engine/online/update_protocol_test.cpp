#include "archive/update_protocol.h"

#include "draw_builder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

DrawRecord Draw(int day, int month, int year) {
    return MakeDraw(day, month, year, {1, 2, 3, 4, 5, 6}, 7, 8, 0);
}

TEST(UpdateRequest, QueryCarriesTheDateOfTheLastDraw) {
    DrawArchive archive;
    EXPECT_EQ(UpdateRequestUrl("http://127.0.0.1:8080/", archive),
              "http://127.0.0.1:8080/aggiorna.php?idprogramma=22&versione=40&dues=19970101");
    archive.insertDraw(Draw(3, 12, 1997));
    archive.insertDraw(Draw(5, 3, 2009));
    EXPECT_EQ(UpdateQueryDate(archive), "20090305");
    // A base address without its final slash still gives the same request.
    EXPECT_EQ(UpdateRequestUrl("https://example.org/upd", archive),
              "https://example.org/upd/aggiorna.php?idprogramma=22&versione=40&dues=20090305");
}

TEST(UpdateAnswer, FiveForms) {
    struct Case {
        const char* answer;
        UpdateAnswerKind kind;
        const char* address;
        const char* list;
        const char* message;
    };
    const Case cases[]{
        {"http://h/lista.txt\r\n", UpdateAnswerKind::DrawList, "http://h/lista.txt", "", ""},
        {"nnn http://h/setup.exe nnnNuova versione!", UpdateAnswerKind::NewVersion, "http://h/setup.exe", "",
         "Nuova versione!"},
        {"NNN http://h/s.exe NnNdddhttp://h/l.txtDDD Testo", UpdateAnswerKind::NewVersion, "http://h/s.exe",
         "http://h/l.txt", "Testo"},
        // The page address of an information or warning answer is taken as it stands.
        {"ccc http://h/p cccddd  http://h/l  dddInfo", UpdateAnswerKind::Information, " http://h/p ",
         "http://h/l", "Info"},
        {"KkKhttp://h/pkkk", UpdateAnswerKind::Warning, "http://h/p", "", ""},
        {"kkkhttp://h/pkkk \r\n ddd http://h/l ddd", UpdateAnswerKind::Warning, "http://h/p", "http://h/l",
         ""},
        // Without its closing delimiter there is no address; the text is the message.
        {"ccc solo testo", UpdateAnswerKind::Information, "", "", "solo testo"},
        // A list address without its closing delimiter is part of the message.
        {"nnnAnnndddhttp://x", UpdateAnswerKind::NewVersion, "A", "", "dddhttp://x"},
        {"Server in manutenzione", UpdateAnswerKind::Message, "", "", "Server in manutenzione"},
        // "http" only as written: any other case is a message.
        {"HTTP://h/l", UpdateAnswerKind::Message, "", "", "HTTP://h/l"},
        {"nn", UpdateAnswerKind::Message, "", "", "nn"},
        {"Citt\xe0 chiusa", UpdateAnswerKind::Message, "", "", "Città chiusa"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        const UpdateAnswer a = InterpretUpdateAnswer(c.answer);
        EXPECT_EQ(a.kind, c.kind);
        EXPECT_EQ(a.address, c.address);
        EXPECT_EQ(a.listAddress, c.list);
        EXPECT_EQ(a.message, c.message);
    }
}

TEST(UpdateAnswer, OnlyWebAddressesAreFollowed) {
    const std::pair<const char*, bool> cases[]{
        {"http://h/x", true},          {"HTTPS://h.it:8443/a?b=c", true},
        {"https://", false},           {"http:///etc/passwd", false},
        {"file:///etc/passwd", false}, {"javascript:alert(1)", false},
        {"ftp://h/x", false},          {"http://h/a b", false},
        {"http://h/\x01", false},      {"", false},
        {"/aggiorna.php", false},      {"http://h\\x", false},
    };
    for (const auto& [address, web] : cases) EXPECT_EQ(IsWebAddress(address), web) << address;
}

TEST(DrawList, LinesAreTrimmedShortOnesIgnoredKindsInAnyCase) {
    const auto lines = SplitDrawList("  sue200903050029010203040506070800\r\n"
                                     "abc\n"
                                     "\tRTF http://h/m.rtf \r"
                                     "UrL https://h/p\n"
                                     "xyz qualcosa\r\n"
                                     "\r\n");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].kind, DrawListLine::Draw);
    EXPECT_EQ(lines[0].value, "200903050029010203040506070800");
    EXPECT_EQ(lines[1].kind, DrawListLine::Rtf);
    EXPECT_EQ(lines[1].value, "http://h/m.rtf");
    EXPECT_EQ(lines[2].kind, DrawListLine::Url);
    EXPECT_EQ(lines[2].value, "https://h/p");
    EXPECT_EQ(lines[3].kind, DrawListLine::Other);
}

TEST(DrawList, DrawFieldsReadByPosition) {
    const auto r = ParseDrawLine("200903051234 1 2 3 4 5 6 7 8");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->year, 2009);
    EXPECT_EQ(r->month, 3);
    EXPECT_EQ(r->day, 5);
    EXPECT_EQ(r->concorso, 1234);
    EXPECT_EQ(r->numbers, (std::array<std::uint8_t, 6>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(r->jolly, 7);
    EXPECT_EQ(r->superStar, 8);

    const auto kept = ParseDrawLine("20091231000090451233221144");
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->numbers, (std::array<std::uint8_t, 6>{90, 45, 12, 33, 22, 11})); // order as received
    EXPECT_EQ(kept->superStar, 0); // no SuperStar field: a draw from before it existed
}

TEST(DrawList, ImpossibleOrUnreadableDrawsAreSkipped) {
    const char* bad[]{
        "20x903051234010203040506070800", // year not a number
        "200913051234010203040506070800", // month 13
        "200902301234010203040506070800", // 30 February
        "200902291234010203040506070800", // 2009 is not a leap year
        "200903001234010203040506070800", // day 0
        "2009030512340102030405060708",   // fine
        "200903051234010203040591070800", // number 91
        "200903051234010203040500070800", // number 0
        "200903051234010203040505070800", // a number twice
        "200903051234010203040506000800", // Jolly 0
        "200903051234010203040506030800", // Jolly among the six
        "200903051234010203040506079100", // SuperStar 91
        "200903051234010203040506070x",   // SuperStar not a number
        "2009030512340102030405",         // the line ends inside the numbers
        "",
        "17990305123401020304050607", // year out of range
    };
    int readable = 0;
    for (const char* line : bad) readable += ParseDrawLine(line).has_value();
    EXPECT_EQ(readable, 1);                                       // only the sound line in the table
    EXPECT_TRUE(ParseDrawLine("200402291234010203040506070800")); // 2004 is a leap year
}

} // namespace
