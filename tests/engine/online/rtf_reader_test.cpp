#include "online/rtf_reader.h"

#include "core/random.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(RtfReader, SampleMessage) {
    const std::string doc = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Times;}}\n"
                            "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}\n"
                            "{\\*\\generator Editor 5.1;}{\\info{\\title Avviso}{\\author Redazione}}\n"
                            "\\viewkind4\\uc1\\pard\\f0\\fs20 Gentile utente,\\par\n"
                            "{\\b\\cf1 Attenzione:} il concorso di sabato \\'e8 {\\i rinviato}.\\line Nuova "
                            "data\\tab 12/12\\par\n"
                            "{\\ul Sottolineato\\ulnone  normale}\\par\n"
                            "\\fs32\\cf2 Grande\\par\n"
                            "}";
    const RtfDocument d = ReadRtf(doc);
    ASSERT_EQ(d.paragraphs.size(), 4u);
    EXPECT_EQ(d.paragraphs[0].text(), "Gentile utente,");
    EXPECT_EQ(d.paragraphs[0].runs[0].fontSizeHalfPoints, 20);
    EXPECT_EQ(d.paragraphs[1].text(), "Attenzione: il concorso di sabato è rinviato.\nNuova data\t12/12");

    const auto& runs = d.paragraphs[1].runs;
    ASSERT_GE(runs.size(), 4u);
    EXPECT_EQ(runs[0].text, "Attenzione:");
    EXPECT_TRUE(runs[0].bold);
    ASSERT_TRUE(runs[0].color);
    EXPECT_EQ(*runs[0].color, (RtfColor{255, 0, 0}));
    EXPECT_FALSE(runs[1].bold);
    EXPECT_FALSE(runs[1].color);
    EXPECT_EQ(runs[2].text, "rinviato");
    EXPECT_TRUE(runs[2].italic);

    EXPECT_TRUE(d.paragraphs[2].runs[0].underline);
    EXPECT_EQ(d.paragraphs[2].runs[0].text, "Sottolineato");
    EXPECT_FALSE(d.paragraphs[2].runs[1].underline);

    EXPECT_EQ(d.paragraphs[3].runs[0].fontSizeHalfPoints, 32);
    EXPECT_EQ(*d.paragraphs[3].runs[0].color, (RtfColor{0, 128, 0}));
}

TEST(RtfReader, EscapesAndUnicode) {
    struct Case {
        const char* rtf;
        const char* text;
    };
    const Case cases[]{
        {"{\\rtf1 a\\\\b\\{c\\}}", "a\\b{c}"},
        {"{\\rtf1 \\'80 \\'E0\\'e9}", "€ àé"},
        {"{\\rtf1\\uc1 \\u8364?uro}", "€uro"},
        {"{\\rtf1\\uc2 \\u8364\\'80\\'80x}", "€x"},
        {"{\\rtf1\\uc0 \\u233 x}", "éx"},
        {"{\\rtf1 \\u-10179?\\u-8704?}", "😀"},     // a surrogate pair
        {"{\\rtf1 \\u-10179?x}", "\xEF\xBF\xBDx"}, // a lone high surrogate
        {"{\\rtf1 {\\*\\unknowndest hidden}shown}", "shown"},
        {"{\\rtf1 {\\pict\\pngblip 89504e47}{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt sito}}}", "sito"},
        {"{\\rtf1 \\bin4 {{{{ok}", "ok"},
        {"{\\rtf1 x\\~y\\-z}", "x\xC2\xA0yz"},
        {"{\\rtf1 \\ldblquote ciao\\rdblquote}", "“ciao”"},
        {"{\\rtf1 \\unknownword123 testo}", "testo"},
        {"{\\rtf1 riga\\\nseconda}", "riga\nseconda"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadRtf(c.rtf).plainText(), c.text) << c.rtf;
}

TEST(RtfReader, DamagedDocumentsGiveWhatCanBeRead) {
    struct Case {
        std::string rtf;
        std::string text;
    };
    const Case cases[]{
        {"{\\rtf1 senza chiusura", "senza chiusura"},
        {"}}}{\\rtf1 troppe}}}}} chiuse", "troppe chiuse"},
        {"{\\rtf1 tronco\\'4", "tronco"},
        {"{\\rtf1 tronco\\'", "tronco"},
        {"{\\rtf1 tronco\\", "tronco"},
        {"{\\rtf1\\fs99999999999999999999999 grande}", "grande"},
        {"{\\rtf1\\cf4294967296 colore}", "colore"},
        {"{\\rtf1\\u99999999999 x}", "\xEF\xBF\xBD"}, // x is the fallback
        {"{\\rtf1\\bin99999999999", ""},
        {"{\\rtf1\\" + std::string(100000, 'a') + " dopo}", "dopo"},
        {"testo semplice", "testo semplice"},
        {std::string(200000, '{') + "profondo" + std::string(200000, '}') + "fuori", "fuori"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadRtf(c.rtf).plainText(), c.text) << c.rtf.substr(0, 60);
}

TEST(RtfReader, ColorIndexOutsideTheTableUsesTheDefault) {
    const RtfDocument d = ReadRtf("{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cf7 a\\cf0 b\\cf1 c}");
    ASSERT_EQ(d.paragraphs.size(), 1u);
    const auto& runs = d.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, "ab");
    EXPECT_FALSE(runs[0].color);
    EXPECT_EQ(*runs[1].color, (RtfColor{1, 2, 3}));
}

// Random and mutated bytes: the reader must end, and its output must be valid text.
TEST(RtfReader, AnyBytesAreReadWithoutFailing) {
    RandomGenerator random(20261210);
    const std::string seed =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\uc1\\pard\\b\\cf1 Ciao "
        "\\'e8\\u8364?\\par{\\i x}\\line\\tab\\bin3 abc}";
    const std::string alphabet = "{}\\'*;0123456789abcdefrtu- \r\n\x80\xff";
    for (int round = 0; round < 20000; ++round) {
        std::string bytes;
        if (round % 2 == 0) {
            bytes = seed;
            const int edits = static_cast<int>(random.uniform(8));
            for (int e = 0; e < edits && !bytes.empty(); ++e) {
                const std::size_t at = random.uniform(static_cast<std::uint32_t>(bytes.size())) - 1;
                switch (random.uniform(3)) {
                case 1:
                    bytes[at] = static_cast<char>(random.uniform(256) - 1);
                    break;
                case 2:
                    bytes.erase(at, random.uniform(4));
                    break;
                default:
                    bytes.insert(at, 1,
                                 alphabet[random.uniform(static_cast<std::uint32_t>(alphabet.size())) - 1]);
                }
            }
        } else {
            const std::uint32_t len = random.uniform(200);
            for (std::uint32_t i = 0; i < len; ++i)
                bytes.push_back(
                    round % 4 == 1
                        ? static_cast<char>(random.uniform(256) - 1)
                        : alphabet[random.uniform(static_cast<std::uint32_t>(alphabet.size())) - 1]);
        }
        const RtfDocument d = ReadRtf(bytes);
        ASSERT_FALSE(d.paragraphs.empty());
        const std::string text = d.plainText();
        for (std::size_t i = 0; i < text.size();) {
            // Every character is complete UTF-8.
            const auto b = static_cast<unsigned char>(text[i]);
            const std::size_t len = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
            ASSERT_LE(i + len, text.size()) << bytes;
            i += len;
        }
    }
}

} // namespace
