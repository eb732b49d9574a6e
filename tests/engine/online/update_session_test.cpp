#include "archive/update_protocol.h"

#include "recording_messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr const char* kServer = "http://127.0.0.1:9/";
constexpr const char* kRequestA = "http://127.0.0.1:9/aggiorna.php?idprogramma=22&versione=40&dues=";

class FakeFetcher final : public HttpFetcher {
public:
    std::optional<std::string> fetch(const std::string& url) override {
        requested.push_back(url);
        const auto it = answers.find(url);
        if (it == answers.end()) return std::nullopt;
        return it->second;
    }
    std::map<std::string, std::string> answers;
    std::vector<std::string> requested;
};

class RecordingHost final : public UpdateSessionHost {
public:
    void setProgress(int percent) override { progress.push_back(percent); }
    void setBusy(bool b) override { busy = b; }
    void openUrl(const std::string& url) override { opened.push_back(url); }
    void showHelpTopic(const std::string& topic) override { help.push_back(topic); }
    void runProgramUpdate(const std::string& address) override { programUpdates.push_back(address); }
    void showRtfMessage(const std::filesystem::path& file) override {
        std::ifstream in(file, std::ios::binary);
        rtfShown.push_back(std::string(std::istreambuf_iterator<char>(in), {}));
    }
    void archiveChanged() override { ++saves; }

    std::vector<int> progress;
    bool busy = false;
    std::vector<std::string> opened, help, programUpdates, rtfShown;
    int saves = 0;
};

DrawRecord Draw(int day, int month, int year, std::array<std::uint8_t, 6> numbers = {1, 2, 3, 4, 5, 6}) {
    DrawRecord r;
    r.day = static_cast<std::uint8_t>(day);
    r.month = static_cast<std::uint8_t>(month);
    r.year = static_cast<std::int16_t>(year);
    r.numbers = numbers;
    r.jolly = 7;
    r.superStar = 8;
    return r;
}

class UpdateSession : public ::testing::Test {
protected:
    void SetUp() override {
        archive.insertDraw(Draw(3, 3, 2009));
        request.server = kServer;
        dir = std::filesystem::temp_directory_path() /
              ("sestavia_online_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
        request.rtfFile = dir / kMsgRtfFileName;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    void answerA(const std::string& body) { http.answers[kRequestA + UpdateQueryDate(archive)] = body; }
    UpdateSessionResult run() { return RunUpdateSession(request, archive, http, messages, host); }

    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const auto& m : messages.shown) t.push_back(m.text);
        return t;
    }

    DrawArchive archive;
    UpdateSessionRequest request;
    FakeFetcher http;
    RecordingMessages messages;
    RecordingHost host;
    std::filesystem::path dir;
};

const std::string kList = "http://127.0.0.1:9/lista.txt";
const std::string kTwoNewDraws = "sue200903050001010203040506070800\r\n"
                                 "sue200903070002111213141516171800\r\n";

TEST_F(UpdateSession, DrawListAnswerGoesStraightToTheList) {
    answerA(kList + "\r\n");
    http.answers[kList] = kTwoNewDraws;
    const auto r = run();
    EXPECT_EQ(r.newDraws, 2);
    EXPECT_TRUE(r.changed);
    EXPECT_FALSE(r.keepWindowOpen);
    EXPECT_EQ(archive.count(), 3);
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(host.progress, (std::vector<int>{0, 25, 50, 100, 0}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text,
              "Aggiornamento avvenuto con successo.\rNumero di nuove estrazioni del Superenalotto: 2");
    EXPECT_EQ(messages.last().title, "OK");
    EXPECT_EQ(messages.last().icon, MessageIcon::Information);
    EXPECT_FALSE(host.busy);
}

TEST_F(UpdateSession, RepeatedListReportsNothingNewButStillSaves) {
    archive.insertDraw(*ParseDrawLine("200903050001010203040506070800"));
    archive.insertDraw(*ParseDrawLine("200903070002111213141516171800"));
    answerA(kList);
    http.answers[kList] = kTwoNewDraws;
    const auto r = run();
    EXPECT_EQ(r.newDraws, 0);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(texts(), std::vector<std::string>{kMsgNessunAggiornamento});
}

TEST_F(UpdateSession, CorrectedDrawReplacesWithoutCountingAsNew) {
    answerA(kList);
    http.answers[kList] = "sue200903030001212223242526272800\r\nsue200903050002010203040506070800\r\n";
    const auto r = run();
    EXPECT_EQ(r.newDraws, 1);
    EXPECT_EQ(archive.count(), 2);
    EXPECT_EQ(archive.record(1).numbers, (std::array<std::uint8_t, 6>{21, 22, 23, 24, 25, 26}));
    EXPECT_EQ(messages.last().text,
              "Aggiornamento avvenuto con successo.\rNumero di nuove estrazioni del Superenalotto: 1");
}

TEST_F(UpdateSession, EmptyListOrOnlyBadLinesChangeNothing) {
    for (const std::string& body :
         {std::string(), std::string("sue2009x3050001010203040506070800\r\nabc\r\n")}) {
        messages.shown.clear();
        host.saves = 0;
        answerA(kList);
        http.answers[kList] = body;
        const auto r = run();
        EXPECT_FALSE(r.changed);
        EXPECT_EQ(host.saves, 0);
        EXPECT_EQ(archive.count(), 1);
        EXPECT_EQ(texts(), std::vector<std::string>{kMsgNessunAggiornamento});
    }
}

TEST_F(UpdateSession, FailedRequestsShowTheConnectionMessageAndKeepTheWindow) {
    struct Case {
        const char* name;
        bool answerRequestA;
        std::string answer;
        bool answerList;
        std::string list;
    };
    const std::string oversized(kMaxUpdateAnswerBytes + 1, 'x');
    const Case cases[]{
        {"no answer to A", false, "", false, ""},
        {"empty answer to A", true, " \r\n", false, ""},
        {"oversized answer to A", true, oversized, false, ""},
        {"no answer to B", true, kList, false, ""},
        {"oversized list", true, kList, true, "sue200903050001010203040506070800\r\n" + oversized},
        {"list address not a web address", true, "httpx:/lista", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        http.answers.clear();
        messages.shown.clear();
        host.help.clear();
        if (c.answerRequestA) answerA(c.answer);
        if (c.answerList) http.answers[kList] = c.list;
        const auto r = run();
        EXPECT_TRUE(r.connectionFailed);
        EXPECT_TRUE(r.keepWindowOpen);
        EXPECT_EQ(archive.count(), 1);
        EXPECT_EQ(host.saves, 0);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.last().text, kMsgConnessioneFallita);
        EXPECT_EQ(messages.last().title, "Attenzione");
        EXPECT_EQ(messages.last().icon, MessageIcon::Warning);
        EXPECT_EQ(host.help, std::vector<std::string>{"rdp_connessione.htm"});
        EXPECT_FALSE(host.busy);
        EXPECT_EQ(host.progress.back(), 0);
    }
}

TEST_F(UpdateSession, PlainMessageIsShownAndEnds) {
    answerA("Servizio sospeso fino a domani");
    const auto r = run();
    EXPECT_EQ(texts(), std::vector<std::string>{"Servizio sospeso fino a domani"});
    EXPECT_EQ(messages.last().title, "Attenzione");
    EXPECT_FALSE(r.keepWindowOpen);
    EXPECT_EQ(http.requested.size(), 1u);
}

TEST_F(UpdateSession, NewVersionAcceptedOpensTheProgramUpdateAndDownloadsNoDraws) {
    answerA("nnn http://h/SestaviaSetup.exe nnnddd" + kList + "dddÈ disponibile la versione 5");
    http.answers[kList] = kTwoNewDraws;
    messages.answerNext(MessageAnswer::Ok);
    const auto r = run();
    EXPECT_EQ(host.programUpdates, std::vector<std::string>{"http://h/SestaviaSetup.exe"});
    EXPECT_EQ(messages.last().title, "CAROVELA SUPERENALOTTO");
    EXPECT_EQ(messages.last().buttons, MessageButtons::OkCancel);
    EXPECT_EQ(messages.last().text, "È disponibile la versione 5");
    EXPECT_EQ(archive.count(), 1);
    EXPECT_FALSE(r.keepWindowOpen);
}

TEST_F(UpdateSession, NewVersionDeclinedOrWithoutMessageContinuesWithTheList) {
    for (const std::string& answer : {"nnnhttp://h/s.exennnddd" + kList + "dddNuova versione",
                                      "nnnhttp://h/s.exennnddd" + kList + "ddd"}) {
        archive.clear();
        archive.insertDraw(Draw(3, 3, 2009));
        answerA(answer);
        http.answers[kList] = kTwoNewDraws;
        messages.answerNext(MessageAnswer::Cancel);
        run();
        EXPECT_TRUE(host.programUpdates.empty());
        EXPECT_EQ(archive.count(), 3);
    }
}

TEST_F(UpdateSession, InformationAskedAndPageOpenedOnOk) {
    answerA("ccchttp://h/notizieccc ddd" + kList + "ddd Novità sul sito");
    http.answers[kList] = kTwoNewDraws;
    messages.answerNext(MessageAnswer::Ok);
    const auto r = run();
    EXPECT_EQ(messages.shown.front().title, "Informazione");
    EXPECT_EQ(messages.shown.front().icon, MessageIcon::Information);
    EXPECT_EQ(host.opened, std::vector<std::string>{"http://h/notizie"});
    EXPECT_TRUE(r.keepWindowOpen);
    EXPECT_EQ(r.newDraws, 2);
}

TEST_F(UpdateSession, InformationCancelledOpensNothingAndCloses) {
    answerA("ccchttp://h/notizieccc Novità");
    messages.answerNext(MessageAnswer::Cancel);
    const auto r = run();
    EXPECT_TRUE(host.opened.empty());
    EXPECT_FALSE(r.keepWindowOpen);
    EXPECT_EQ(http.requested.size(), 1u); // no list address: no request B
}

TEST_F(UpdateSession, WarningWithoutMessageOpensNothingButStillDownloads) {
    answerA("kkkhttp://h/avvisokkkddd" + kList + "ddd");
    http.answers[kList] = kTwoNewDraws;
    const auto r = run();
    EXPECT_TRUE(host.opened.empty());
    EXPECT_FALSE(r.keepWindowOpen);
    EXPECT_EQ(r.newDraws, 2);
    EXPECT_EQ(texts(),
              std::vector<std::string>{
                  "Aggiornamento avvenuto con successo.\rNumero di nuove estrazioni del Superenalotto: 2"});
}

TEST_F(UpdateSession, WarningWithMessageShowsAndOpensThePage) {
    answerA("kkkhttp://h/avvisokkkAttenzione: nuove regole");
    const auto r = run();
    EXPECT_EQ(texts(), std::vector<std::string>{"Attenzione: nuove regole"});
    EXPECT_EQ(host.opened, std::vector<std::string>{"http://h/avviso"});
    EXPECT_TRUE(r.keepWindowOpen);
}

TEST_F(UpdateSession, AddressesThatAreNotWebAddressesAreIgnored) {
    answerA("kkkfile:///etc/passwdkkkdddfile:///tmp/listadddAvviso");
    messages.answerNext(MessageAnswer::Ok);
    run();
    EXPECT_TRUE(host.opened.empty());
    EXPECT_EQ(http.requested.size(), 1u);

    // A new version that cannot be downloaded is not offered; the list still comes.
    messages.shown.clear();
    answerA("nnnjavascript:alert(1)nnnddd" + kList + "dddNuova versione");
    http.answers[kList] = kTwoNewDraws;
    run();
    EXPECT_TRUE(host.programUpdates.empty());
    EXPECT_EQ(texts(),
              std::vector<std::string>{
                  "Aggiornamento avvenuto con successo.\rNumero di nuove estrazioni del Superenalotto: 2"});

    answerA(kList);
    http.answers[kList] = "url file:///etc/passwd\r\nrtf ftp://h/m.rtf\r\n";
    run();
    EXPECT_TRUE(host.opened.empty());
    EXPECT_TRUE(host.rtfShown.empty());
}

TEST_F(UpdateSession, RtfMessageDownloadedShownAndPageOpenedLastLineWins) {
    answerA(kList);
    http.answers[kList] = kTwoNewDraws + "rtf http://h/uno.rtf\r\nurl http://h/uno\r\n"
                                         "RTF http://h/due.rtf\r\nURL http://h/due\r\n";
    http.answers["http://h/due.rtf"] = "{\\rtf1 Ciao}";
    {
        std::ofstream stale(request.rtfFile, std::ios::binary);
        stale << "vecchio";
    }
    run();
    EXPECT_EQ(host.rtfShown, std::vector<std::string>{"{\\rtf1 Ciao}"});
    EXPECT_EQ(host.opened, std::vector<std::string>{"http://h/due"});
}

TEST_F(UpdateSession, FailedRtfDownloadIsIgnoredAndTheStaleFileGone) {
    answerA(kList);
    http.answers[kList] = kTwoNewDraws + "rtf http://h/manca.rtf\r\n";
    {
        std::ofstream stale(request.rtfFile, std::ios::binary);
        stale << "vecchio";
    }
    const auto r = run();
    EXPECT_TRUE(host.rtfShown.empty());
    EXPECT_FALSE(std::filesystem::exists(request.rtfFile));
    EXPECT_EQ(r.newDraws, 2);
    EXPECT_TRUE(host.help.empty());
}

TEST_F(UpdateSession, FullArchiveStoresNothingNewAndSaysSo) {
    archive.clear();
    for (int i = 0; i < kArchiveCapacity; ++i) {
        DrawRecord r = Draw(1 + i % 28, 1 + (i / 28) % 12, 1801 + i / (28 * 12));
        ASSERT_GT(archive.insertDraw(r), 0);
    }
    answerA(kList);
    http.answers[kList] = "sue210001010001010203040506070800\r\n";
    const auto r = run();
    EXPECT_EQ(r.newDraws, 0);
    EXPECT_TRUE(r.archiveFull);
    EXPECT_EQ(texts(), (std::vector<std::string>{kArchiveFullText, kMsgNessunAggiornamento}));
}

} // namespace
